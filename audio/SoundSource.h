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
    // Where the source was last placed: OpenAL hears only of a change, since each call takes
    // the context's locks and a looping sound is placed again every frame.
    struct Placement {
        bool onListener;
        glm::vec3 position;
        float reference;
        float silent;
        bool operator==(const Placement& other) const {
            return onListener == other.onListener && position == other.position &&
                   reference == other.reference && silent == other.silent;
        }
    };

    void place(const Placement& placement);

    unsigned source = 0;
    Placement placed{};
};
