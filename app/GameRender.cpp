#include <algorithm>
#include <ctime>
#include <filesystem>
#include <string>

#include "app/Game.h"
#include "app/frame/Clock.h"
#include "app/frame/CpuTimer.h"
#include "app/input/Toggles.h"
#include "app/settings/Translate.h"
#include "base/AtomicFile.h"
#include "base/PlayerFolders.h"
#include "gameplay/Camera.h"
#include "render/FrameCapture.h"
#include "render/ModelRun.h"
#include "render/Outline.h"
#include "render/Projection.h"

namespace fs = std::filesystem;

namespace {

const char* const kShotName = "smeltrun-%Y-%m-%d-%H%M%S";  // strftime's, in local time
const float kRimStrength = 0.5f;                           // the character's rim light at its edge

}  // namespace

void Game::render() {
    {
        const CpuTimer timer(ui.frameTiming.times.render);
        drawScene();
        drawInterface();
    }
    if (ui.takeScreenshotAsk()) {
        saveScreenshot();
        restartFrameTime();
    }
    present();
}

// Named by the local date and time, so that the player's pictures sort by when they were
// taken; a second one within the same second gets a number.
void Game::saveScreenshot() {
    const fs::path folder = playerPicturesFolder();
    const std::string png = framePng(framebufferWidth, framebufferHeight);
    if (folder.empty() || png.empty()) {
        tell(Event::screenshot(false, folder.empty() ? tr("no home folder") : tr("no picture")),
             readClock());
        return;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    const std::string stem(stamp, std::strftime(stamp, sizeof stamp, kShotName, &local));
    fs::path file = folder / (stem + ".png");
    std::error_code error;
    for (int copy = 2; fs::exists(file, error); ++copy) {
        file = folder / (stem + "-" + std::to_string(copy) + ".png");
    }
    const WriteResult written = writeFileAtomically(file, png);
    tell(Event::screenshot(written.ok, written.ok ? shownPath(file) : written.reason), readClock());
}

// The sky gradient fills what the opaque scene left; the shadow, a flag that hides the player
// and the ghost blend over both. The UI after it is drawn as in the classic look, without the sRGB
// encoding.
void Game::drawScene() {
    updateUniforms();
    if (look.fxaa) {
        look.fxaa->begin(framebufferWidth, framebufferHeight);
    }
    if (look.enhancedAtStart) {
        glEnable(GL_FRAMEBUFFER_SRGB);
    }
    const glm::vec3 sky = levelSky();
    glClearColor(sky.r + brightness, sky.g + brightness, sky.b + brightness, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);

    drawOpaqueModels();
    for (const auto& system : particleSystems) {
        system->render(*shaders[mainShader]);
    }
    if (editing()) {
        editor->drawLines(ViewMatrix, ProjectionMatrix);
    }
    if (look.sky) {
        look.sky->draw(ViewMatrix, ProjectionMatrix, camera.position);
    }
    drawShadow();
    drawSeenThrough();
    drawGhost();
    glDisable(GL_FRAMEBUFFER_SRGB);
    if (look.fxaa) {
        look.fxaa->finish();
    }
}

void Game::drawInterface() {
    if (!ui.shows(paused || editing())) {
        return;
    }
    const double now = readClock();
    ui.imgui->beginFrame(now, framebufferHeight,
                         controls.wait.awaitingPadButton() ? nullptr : padInUse());
    if (ui.hudVisible && !editing()) {
        ui.hud.draw(HudView{player->health,
                            totalTime,
                            player->slowTimer,
                            {wireframe, culling, debugCamera, celShading, contour, specular},
                            session.records.bestTime,
                            session.playback.has_value(),
                            currentFrame - run.startedAt,
                            options.keyBindings},
                    now);
    }
    if (ui.frameOverlayVisible) {
        ui.frameOverlay.draw();
    }
    if (paused) {
        PanelScope scope{options, controls.wait, *this};
        ui.pausePanel.draw(scope);
    } else if (editing()) {
        editor->drawPanels();
    }
    ui.imgui->endFrame();
}

void Game::present() {
    glfwSwapBuffers(window);
    glFlush();

    glBindVertexArray(0);
    glUseProgram(0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0);
    ui.frameTiming.pacer.wait();
}

// What cannot show is left out, and the nearest go first: with 1,000 pieces a frame shades
// far fewer hidden pixels.
void Game::drawOpaqueModels() {
    look.opaqueOrder.clear();
    const ViewVolume volume = viewVolumeOf(ProjectionMatrix * ViewMatrix);
    for (auto& model : models) {
        if (!model->hidden && !seenThrough(*model)) {
            look.opaqueOrder.add(*model, volume, camera.position);
        }
    }
    look.opaqueOrder.sortNearestFirst();
    ModelRun run;
    for (const DrawList::Entry& entry : look.opaqueOrder) {
        renderModel(*entry.model, run);
    }
}

// The enhanced look's rim light falls on the character alone. Setting it switches the program,
// which the run then sets afresh.
void Game::renderModel(Model& model, ModelRun& run) {
    const bool rimLit = look.enhancedAtStart && &model == player;
    if (rimLit) {
        run.finish();
        shaders[mainShader]->set1f(kRimStrength, "rim");
    }
    drawModel(model, *shaders[mainShader], *shaders[contourShader],
              celShading && culling && contour, run);
    if (rimLit) {
        run.finish();
        shaders[mainShader]->set1f(0.0f, "rim");
    }
}

void Game::updateUniforms() {
    camera.updateVectors();
    camera.view = camera.viewMatrix();
    ViewMatrix = camera.view;
    for (const auto& shader : shaders) {
        shader->setMat4fv(ViewMatrix, "ViewMatrix");
        shader->setVec3f(camera.position, "cameraPos");
    }
    sendLights();
    sendDisplayUniforms();

    glfwGetFramebufferSize(window, &framebufferWidth, &framebufferHeight);
    ProjectionMatrix =
        projectionFor(fov, framebufferWidth, framebufferHeight, nearZ, farZ, ProjectionMatrix);
    for (const auto& shader : shaders) {
        shader->setMat4fv(ProjectionMatrix, "ProjectionMatrix");
    }
}

void Game::initUniforms() {
    for (const auto& shader : shaders) {
        shader->setMat4fv(ViewMatrix, "ViewMatrix");
        shader->setMat4fv(ProjectionMatrix, "ProjectionMatrix");
    }
    sendLights();
    sendDisplayUniforms();
}

// The player's light, and as many of the others as the program holds: a level with more
// lights than that is lit by those nearest the player, the lit ones before those off. A slot
// left over takes a light that is off.
void Game::sendLights() {
    const Shader& main = *shaders[mainShader];
    std::vector<PointLight*>& litOrder = look.litOrder;
    litOrder.clear();
    for (std::size_t i = 1; i < lights.size(); ++i) {
        litOrder.push_back(lights[i].get());
    }
    const std::size_t others = kPointLightSlots - 1;
    if (litOrder.size() > others) {
        const glm::vec3 centre = player->position;
        std::partial_sort(litOrder.begin(), litOrder.begin() + others, litOrder.end(),
                          [centre](const PointLight* a, const PointLight* b) {
                              if (a->off != b->off) {
                                  return b->off;
                              }
                              return glm::distance(a->position, centre) <
                                     glm::distance(b->position, centre);
                          });
    }
    lights[0]->sendToShader(main);
    for (std::size_t slot = 1; slot < kPointLightSlots; ++slot) {
        if (slot <= litOrder.size()) {
            litOrder[slot - 1]->index = static_cast<int>(slot);
            litOrder[slot - 1]->sendToShader(main);
            continue;
        }
        PointLight unused = *lights[0];
        unused.index = static_cast<int>(slot);
        unused.off = true;
        unused.sendToShader(main);
    }
}

void Game::sendDisplayUniforms() {
    const Shader& main = *shaders[mainShader];
    main.setVec3f(levelSky(), "skyColor");
    main.set1f(brightness, "brightness");
    main.set1i(celShading ? 1 : 0, "celShading");
    main.set1i(specular ? 1 : 0, "specular");
    if (look.sky) {
        const glm::vec3 lift(brightness);
        look.sky->setColours(levelSky() + lift, levelSkyTop() + lift, main);
    }
}

glm::vec3 Game::levelSky() const {
    return session.played.level.look.sky.value_or(skyColor);
}

glm::vec3 Game::levelSkyTop() const {
    return session.played.level.look.skyTop.value_or(kGameSkyTop);
}
