#include "render/Light.h"

#include <string>

#include "render/Shader.h"

Light::Light(int index, float intensity, glm::vec3 color)
    : index(index), intensity(intensity), color(color) {}

PointLight::PointLight(int index, glm::vec3 position, float intensity, glm::vec3 color,
                       float constant, float linear, float quadratic)
    : Light(index, intensity, color),
      position(position),
      constant(constant),
      linear(linear),
      quadratic(quadratic) {}

void PointLight::sendToShader(const Shader& program) {
    const std::string entry = "pointLights[" + std::to_string(index);
    program.setVec3f(position, (entry + "].position").c_str());
    program.set1f(off ? 0.0f : intensity, (entry + "].intensity").c_str());
    program.setVec3f(color, (entry + "].color").c_str());
    program.set1f(constant, (entry + "].constant").c_str());
    program.set1f(linear, (entry + "].linear").c_str());
    program.set1f(quadratic, (entry + "].quadratic").c_str());
}
