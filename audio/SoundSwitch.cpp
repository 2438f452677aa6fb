#include "audio/SoundSwitch.h"

void SoundSwitch::apply(bool asked, const Volumes& volumes, const std::string& folder,
                        glm::vec3 goal, const std::string& musicLoop) {
    if (asked != on) {
        on = asked;
        audio = on ? GameAudio::open(folder, volumes, goal, musicLoop) : nullptr;
    }
    if (audio) {
        audio->setVolumes(volumes);
    }
}
