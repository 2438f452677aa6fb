#pragma once

#include <glm/glm.hpp>

// The one listener of the current audio context: where the sound is heard from, and the
// gain over everything it hears. One per context.
class Listener {
public:
    // Hands OpenAL only what changed since the last call: each call takes the context's locks
    // and gives the mixer a new set of properties, a few microseconds in a frame whose
    // drawing has pushed OpenAL out of the cache, and the view is often still.
    void place(glm::vec3 position, glm::vec3 front, glm::vec3 up);
    void setGain(float gain);

private:
    bool placed = false;  // nothing has been handed over yet
    glm::vec3 position{0.0f};
    glm::vec3 front{0.0f};
    glm::vec3 up{0.0f};
};
