#include "app/Clock.h"
#include "app/CpuTimer.h"
#include "app/Game.h"
#include "app/Toggles.h"
#include "gameplay/Camera.h"
#include "render/Outline.h"
#include "render/Projection.h"

void Game::render() {
    {
        const CpuTimer timer(frameTimes.render);
        drawScene();
        drawInterface();
    }
    present();
}

void Game::drawScene() {
    glClearColor(skyColor.r + brightness, skyColor.g + brightness, skyColor.b + brightness, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    updateUniforms();

    for (auto& model : models) {
        if (!model->hidden) {
            renderModel(*model);
        }
    }
    for (const auto& system : particleSystems) {
        system->render(*shaders[mainShader]);
    }
    drawGhost();
}

void Game::drawInterface() {
    if (!hudVisible && !paused && !frameOverlayVisible) {
        return;
    }
    const double now = readClock();
    ui->beginFrame(now, framebufferHeight, gamepad.padInUse());
    if (hudVisible) {
        hud.draw(HudView{player->health,
                         totalTime,
                         player->slowTimer,
                         {wireframe, culling, debugCamera, celShading, contour, specular},
                         records.bestTime,
                         playback.has_value(),
                         currentFrame - startedAt,
                         keyBindings},
                 now);
    }
    if (frameOverlayVisible) {
        frameOverlay.draw();
    }
    if (paused) {
        pausePanel.draw(*this);
    }
    ui->endFrame();
}

void Game::present() {
    glfwSwapBuffers(window);
    glFlush();

    glBindVertexArray(0);
    glUseProgram(0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0);
    pacer.wait();
}

void Game::renderModel(Model& model) {
    drawModel(model, *shaders[mainShader], *shaders[contourShader],
              celShading && culling && contour);
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

void Game::sendLights() {
    for (auto& light : lights) {
        light->sendToShader(*shaders[mainShader]);
    }
}

void Game::sendDisplayUniforms() {
    const Shader& main = *shaders[mainShader];
    main.setVec3f(skyColor, "skyColor");
    main.set1f(brightness, "brightness");
    main.set1i(celShading ? 1 : 0, "celShading");
    main.set1i(specular ? 1 : 0, "specular");
}
