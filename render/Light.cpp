#include "render/Light.h"

#include <cstdio>

#include "render/Shader.h"

namespace {

// Room for the longest name, "pointLights[<any int>].intensity", and its end.
const int kNameCapacity = 48;

}  // namespace

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
    // The names are written into one buffer on the stack: the frame allocates nothing.
    char name[kNameCapacity];
    auto member = [&](const char* field) {
        std::snprintf(name, sizeof name, "pointLights[%d].%s", index, field);
        return name;
    };
    program.setVec3f(position, member("position"));
    program.set1f(off ? 0.0f : intensity, member("intensity"));
    program.setVec3f(color, member("color"));
    program.set1f(constant, member("constant"));
    program.set1f(linear, member("linear"));
    program.set1f(quadratic, member("quadratic"));
}
