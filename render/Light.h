#pragma once

#include <glm/glm.hpp>

class Shader;

// The entries of the main program's light array.
constexpr int kPointLightSlots = 9;

// A light that writes itself into one entry of the main program's light array.
class Light {
public:
    Light(int index, float intensity, glm::vec3 color);
    virtual ~Light() = default;

    virtual void sendToShader(const Shader& program) = 0;

    int index;
    float intensity;
    glm::vec3 color;   // components 0 to 1
    bool off = false;  // an off light is sent with intensity 0 and keeps its own
};

class PointLight : public Light {
public:
    PointLight(int index, glm::vec3 position, float intensity, glm::vec3 color, float constant,
               float linear, float quadratic);

    void sendToShader(const Shader& program) override;

    glm::vec3 position;
    float constant;
    float linear;
    float quadratic;
};
