#pragma once

#include <glm/glm.hpp>
#include <memory>
#include <string>

#include "audio/GameAudio.h"

// The game's sound as last switched: on or off, and the device's sound while on.
class SoundSwitch {
public:
    // The device is opened or closed only when the sound is switched, so that a system without
    // one is asked, and reported, once per switch and not at every step of a volume slider.
    // While on, the sound takes the volumes.
    // The level's goal and music go to a device opened now.
    void apply(bool on, const Volumes& volumes, const std::string& folder, glm::vec3 goal,
               const std::string& musicLoop);
    // Nothing while the sound is off or the system has none.
    GameAudio* playing() const { return audio.get(); }

private:
    std::unique_ptr<GameAudio> audio;
    bool on = false;  // as last asked
};
