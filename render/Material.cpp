#include "render/Material.h"

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
    program.setVec3f(ambient, "material.ambient");
    program.setVec3f(diffuse, "material.diffuse");
    program.setVec3f(specular, "material.specular");
    program.set1i(diffuseTex, "material.diffuseTex");
    program.set1i(specularTex, "material.specularTex");
    program.set1f(transparency, "material.transparency");
}
