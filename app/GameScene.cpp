#include "app/Game.h"
#include "render/TextureSet.h"

namespace {

const char* const kVertexShaderFile = "assets/shaders/vertexShader.glsl";
const char* const kFragmentShaderFile = "assets/shaders/fragmentShader.glsl";
const char* const kContourFragmentShaderFile = "assets/shaders/contourFragmentShader.glsl";

const glm::vec3 kAmbient(0.1f);
const glm::vec3 kDiffuse(1.0f);
const glm::vec3 kSpecular(1.0f);
const int kDiffuseUnit = 0;
const int kSpecularUnit = 1;
const float kOpaque = 1.0f;

}  // namespace

void Game::initShaders() {
    shaders.push_back(
        std::make_unique<Shader>(glMajor, glMinor, kVertexShaderFile, kFragmentShaderFile));
    shaders.push_back(
        std::make_unique<Shader>(glMajor, glMinor, kVertexShaderFile, kContourFragmentShaderFile));
}

void Game::initTextures() {
    for (const char* file : kTextureFiles) {
        textures.push_back(std::make_unique<Texture>(file));
    }
}

void Game::initMaterials() {
    materials.push_back(std::make_unique<Material>(kAmbient, kDiffuse, kSpecular, kDiffuseUnit,
                                                   kSpecularUnit, kOpaque));
}

namespace {

// Every light fades alike with distance.
const float kConstant = 1.0f;
const float kLinear = 0.045f;
const float kQuadratic = 0.0075f;

const glm::vec3 kPlayerLightStart(0.0f, 0.0f, 1.0f);
const float kPlayerLightIntensity = 0.75f;
const glm::vec3 kWhite(1.0f);
const glm::vec3 kHealthGreen(96 / 255.0f, 211 / 255.0f, 62 / 255.0f);
const float kHealthLightIntensity = 0.5f;
const glm::vec3 kTrapPurple(184 / 255.0f, 49 / 255.0f, 218 / 255.0f);
const float kMarkerIntensity = 1.0f;

// Red, green and blue around the goal.
const struct {
    glm::vec3 offset;
    glm::vec3 color;
} kGoalLights[] = {
    {glm::vec3(0.0f, 0.0f, -0.5f), glm::vec3(1.0f, 0.0f, 0.0f)},
    {glm::vec3(-0.25f, 0.0f, 0.25f), glm::vec3(0.0f, 1.0f, 0.0f)},
    {glm::vec3(0.25f, 0.0f, 0.25f), glm::vec3(0.0f, 0.0f, 1.0f)},
};

const int kParticleCount = 100;
const glm::vec3 kParticleScale(0.025f);
const float kParticleMaxLife = 5.0f;  // seconds

}  // namespace

void Game::addLight(glm::vec3 position, float intensity, glm::vec3 color) {
    const int index = static_cast<int>(lights.size());
    lights.push_back(std::make_unique<PointLight>(index, position, intensity, color, kConstant,
                                                  kLinear, kQuadratic));
}

// The player's light, one for each health pack and each trap, then three at the goal.
void Game::initLights() {
    addLight(kPlayerLightStart, kPlayerLightIntensity, kWhite);
    for (Item& item : items) {
        if (item.kind == Item::Kind::HealthPack) {
            item.light = static_cast<int>(lights.size());
            addLight(item.object->position, kHealthLightIntensity, kHealthGreen);
        }
    }
    for (Item& item : items) {
        if (item.kind == Item::Kind::Trap) {
            item.light = static_cast<int>(lights.size());
            addLight(item.object->position, kMarkerIntensity, kTrapPurple);
        }
    }
    const glm::vec3 goal = goalRings[0]->position;
    for (const auto& light : kGoalLights) {
        addLight(goal + light.offset, kMarkerIntensity, light.color);
    }
    litOrder.reserve(lights.size());
}

void Game::initParticleSystems() {
    const glm::vec3 goal = goalRings[0]->position;
    auto particle = std::make_unique<Model>(goal, materials[0].get(), textures[healthDiffuse].get(),
                                            textures[healthSpecular].get(), "orbit");
    particle->setScale(kParticleScale);
    particleSystems.push_back(std::make_unique<ParticleSystem>(
        kParticleCount, std::move(particle), kParticleMaxLife, "checkpointparticlesystem"));
}
