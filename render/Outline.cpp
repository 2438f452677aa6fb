#include "render/Outline.h"

#include <GL/glew.h>

#include "render/Model.h"
#include "render/ModelRun.h"
#include "render/Shader.h"

namespace {

const float kContourScale = 1.01f;
const float kContourDrop = 0.01f;  // units

}  // namespace

void drawModel(Model& model, const Shader& main, const Shader& contour, bool outline,
               ModelRun& run) {
    if (outline) {
        const glm::vec3 scale = model.scale;
        const glm::vec3 position = model.position;
        model.setScale(scale * kContourScale);
        model.setPosition(position - glm::vec3(0.0f, kContourDrop, 0.0f));
        glCullFace(GL_FRONT);
        run.draw(model, contour);
        model.setPosition(position);
        model.setScale(scale);
        glCullFace(GL_BACK);
    }
    run.draw(model, main);
}

Sphere withOutline(const Sphere& sphere) {
    return Sphere{sphere.centre, sphere.radius * kContourScale + kContourDrop};
}
