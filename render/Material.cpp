#include "render/Material.h"

#include <glm/gtc/type_ptr.hpp>

#include "render/Shader.h"

Material::Material(glm::vec3 ambient, glm::vec3 diffuse, glm::vec3 specular, int diffuseTex,
                   int specularTex, float transparency)
    : ambient(ambient),
      diffuse(diffuse),
      specular(specular),
      diffuseTex(diffuseTex),
      specularTex(specularTex),
      transparency(transparency) {}

void Material::sendToShader(const Shader& program) const {
    const Shader::PieceUniforms& at = program.piece;
    program.use();
    glUniform3fv(at.ambient, 1, glm::value_ptr(ambient));
    glUniform3fv(at.diffuse, 1, glm::value_ptr(diffuse));
    glUniform3fv(at.specular, 1, glm::value_ptr(specular));
    glUniform1i(at.diffuseTex, diffuseTex);
    glUniform1i(at.specularTex, specularTex);
    glUniform1f(at.transparency, transparency);
    program.unuse();
}
