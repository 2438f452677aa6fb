#include "audio/Listener.h"

#include <AL/al.h>

namespace listener {

void place(glm::vec3 position, glm::vec3 front, glm::vec3 up) {
    const ALfloat orientation[] = {front.x, front.y, front.z, up.x, up.y, up.z};
    alListener3f(AL_POSITION, position.x, position.y, position.z);
    alListenerfv(AL_ORIENTATION, orientation);
}

void setGain(float gain) {
    alListenerf(AL_GAIN, gain);
}

}  // namespace listener
