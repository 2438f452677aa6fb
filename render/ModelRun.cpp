#include "render/ModelRun.h"

#include <glm/gtc/type_ptr.hpp>

#include "render/Material.h"
#include "render/Model.h"
#include "render/Shader.h"
#include "render/Texture.h"

void ModelRun::draw(Model& model, const Shader& with) {
    model.material->sendToShader(with);
    if (program != &with) {
        with.use();
        program = &with;
    }
    if (diffuse != model.diffuseTexture) {
        model.diffuseTexture->bind(0);
        diffuse = model.diffuseTexture;
    }
    if (specular != model.specularTexture) {
        model.specularTexture->bind(1);
        specular = model.specularTexture;
    }
    for (auto& mesh : model.meshes) {
        mesh->updateModelMatrix();
        glUniformMatrix4fv(with.piece.modelMatrix, 1, GL_FALSE, glm::value_ptr(mesh->ModelMatrix));
        mesh->draw();
    }
}

void ModelRun::finish() {
    if (diffuse != nullptr) {
        diffuse->unbind();
    }
    if (program != nullptr) {
        program->unuse();
    }
    program = nullptr;
    diffuse = nullptr;
    specular = nullptr;
}
