#pragma once

#include <glm/glm.hpp>

class Shader;

// The surface values that every model shares; the two texture fields name texture units.
class Material {
public:
    Material(glm::vec3 ambient, glm::vec3 diffuse, glm::vec3 specular, int diffuseTex,
             int specularTex, float transparency);

    // Into the program's uniforms, whichever program is in use.
    void sendToShader(const Shader& program) const;

    glm::vec3 ambient;
    glm::vec3 diffuse;
    glm::vec3 specular;
    int diffuseTex;
    int specularTex;
    float transparency;
};
