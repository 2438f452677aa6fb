#include "audio/Listener.h"

#include <AL/al.h>

void Listener::place(glm::vec3 newPosition, glm::vec3 newFront, glm::vec3 newUp) {
    if (!placed || newPosition != position) {
        alListener3f(AL_POSITION, newPosition.x, newPosition.y, newPosition.z);
        position = newPosition;
    }
    if (!placed || newFront != front || newUp != up) {
        const ALfloat orientation[] = {newFront.x, newFront.y, newFront.z,
                                       newUp.x,    newUp.y,    newUp.z};
        alListenerfv(AL_ORIENTATION, orientation);
        front = newFront;
        up = newUp;
    }
    placed = true;
}

void Listener::setGain(float gain) {
    alListenerf(AL_GAIN, gain);
}
