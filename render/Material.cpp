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
    glProgramUniform3fv(program.id, at.ambient, 1, glm::value_ptr(ambient));
    glProgramUniform3fv(program.id, at.diffuse, 1, glm::value_ptr(diffuse));
    glProgramUniform3fv(program.id, at.specular, 1, glm::value_ptr(specular));
    glProgramUniform1i(program.id, at.diffuseTex, diffuseTex);
    glProgramUniform1i(program.id, at.specularTex, specularTex);
    glProgramUniform1f(program.id, at.transparency, transparency);
}
