#pragma once

#include <glm/glm.hpp>

class SoundBuffer;

// One OpenAL source: the place a sound plays from, how loud, and whether it loops. Needs a
// current audio context for its whole life.
class SoundSource {
public:
    SoundSource();  // at the listener, not looping
    ~SoundSource();
    SoundSource(const SoundSource&) = delete;
    SoundSource& operator=(const SoundSource&) = delete;

    // Plays the sound from its start; a sound that did not load stays silent.
    void play(const SoundBuffer* sound);
    void setLooping(bool looping);
    void setGain(float gain);
    // In the level: full within `reference` units, fading to nothing at `silent` units.
    void placeAt(glm::vec3 position, float reference, float silent);
    // Moves with the listener, neither panned nor faded.
    void placeOnListener();

    void stop();
    void pause();   // if it plays
    void resume();  // if it is paused
    bool playing() const;

private:
    unsigned source = 0;
};
