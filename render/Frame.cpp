#include <glm/gtc/matrix_transform.hpp>

#include "app/Game.h"
#include "gameplay/Camera.h"

void Game::render() {
    glClearColor(skyColor.r + brightness, skyColor.g + brightness, skyColor.b + brightness, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    updateUniforms();

    glfwSwapBuffers(window);
    glFlush();

    glBindVertexArray(0);
    glUseProgram(0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void Game::updateUniforms() {
    camera.updateVectors();
    camera.view = camera.viewMatrix();
    ViewMatrix = camera.view;

    glfwGetFramebufferSize(window, &framebufferWidth, &framebufferHeight);
    // A minimised window has no height and so no aspect ratio: keep the last projection.
    if (framebufferHeight > 0) {
        const float aspect =
            static_cast<float>(framebufferWidth) / static_cast<float>(framebufferHeight);
        ProjectionMatrix = glm::perspective(fov * kDegreesToRadians, aspect, nearZ, farZ);
    }
}
