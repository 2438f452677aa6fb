#pragma once

#include <glm/glm.hpp>

// The one listener of the current audio context: where the sound is heard from, and the
// gain over everything it hears.
namespace listener {

void place(glm::vec3 position, glm::vec3 front, glm::vec3 up);
void setGain(float gain);

}  // namespace listener
