#include "app/Game.h"
#include "gameplay/CameraClearance.h"

namespace {

// The share of the character's colour in the ghost's pixels: the scene shows through.
const float kGhostOpacity = 0.35f;
// Less of it while it stands between the camera and the player, so that the player shows.
const float kGhostInTheWayOpacity = 0.1f;

}  // namespace

// The character's own meshes and textures, in a see-through copy of the shared material.
void Game::initGhost() {
    if (!session.bestRun) {
        return;
    }
    session.ghostTrack.emplace(*session.bestRun);
    auto material = std::make_unique<Material>(*materials[0]);
    material->transparency = kGhostOpacity;
    std::vector<const Mesh*> meshes;
    for (const auto& mesh : player->meshes) {
        meshes.push_back(mesh.get());
    }
    look.ghost = std::make_unique<Model>(player->position, material.get(), player->diffuseTexture,
                                         player->specularTexture, meshes);
    materials.push_back(std::move(material));
}

// Not one of the models: nothing touches it, it casts no light, and without it the frame
// draws exactly what it drew before.
void Game::drawGhost() {
    if (!look.ghost || !options.ghost || session.playback) {
        return;
    }
    const std::optional<GhostPose> pose = session.ghostTrack->at(totalTime);
    if (!pose) {
        return;
    }
    Model& ghost = *look.ghost;
    ghost.setPosition(pose->position);
    ghost.setPivot(pose->position);
    ghost.setRotation(glm::vec3(0.0f, pose->facing, 0.0f));
    look.ghostFade = fadeStep(look.ghostFade, hidesThePlayer(worldBox(ghost)), deltaTime);
    ghost.material->transparency = glm::mix(kGhostOpacity, kGhostInTheWayOpacity, look.ghostFade);
    // Drawn last and leaving the depth as it was, so that it hides nothing behind it.
    glDepthMask(GL_FALSE);
    ghost.render(*shaders[mainShader]);
    glDepthMask(GL_TRUE);
}
