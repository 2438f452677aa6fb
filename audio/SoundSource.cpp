#include "audio/SoundSource.h"

#include <AL/al.h>

#include "audio/SoundBuffer.h"

namespace {

ALint stateOf(ALuint source) {
    ALint state = AL_INITIAL;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}

}  // namespace

SoundSource::SoundSource() {
    alGenSources(1, &source);
    placeOnListener();  // reaches OpenAL: nothing is recorded as on the listener yet
}

SoundSource::~SoundSource() {
    alDeleteSources(1, &source);
}

void SoundSource::play(const SoundBuffer* sound) {
    alSourceStop(source);
    if (!sound) {
        return;
    }
    alSourcei(source, AL_BUFFER, static_cast<ALint>(sound->name()));
    alSourcePlay(source);
}

void SoundSource::setLooping(bool looping) {
    alSourcei(source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
}

void SoundSource::setGain(float gain) {
    alSourcef(source, AL_GAIN, gain);
}

void SoundSource::placeAt(glm::vec3 position, float reference, float silent) {
    const Placement placement{false, position, reference, silent};
    if (!(placed == placement)) {
        place(placement);
    }
}

void SoundSource::placeOnListener() {
    if (!placed.onListener) {
        place(Placement{true, glm::vec3(0.0f), 0.0f, 0.0f});
    }
}

void SoundSource::place(const Placement& placement) {
    placed = placement;
    if (placement.onListener) {
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
        return;
    }
    alSourcei(source, AL_SOURCE_RELATIVE, AL_FALSE);
    alSource3f(source, AL_POSITION, placement.position.x, placement.position.y,
               placement.position.z);
    alSourcef(source, AL_REFERENCE_DISTANCE, placement.reference);
    alSourcef(source, AL_MAX_DISTANCE, placement.silent);
    alSourcef(source, AL_ROLLOFF_FACTOR, 1.0f);
}

void SoundSource::stop() {
    alSourceStop(source);
}

void SoundSource::pause() {
    if (stateOf(source) == AL_PLAYING) {
        alSourcePause(source);
    }
}

void SoundSource::resume() {
    if (stateOf(source) == AL_PAUSED) {
        alSourcePlay(source);
    }
}

bool SoundSource::playing() const {
    return stateOf(source) == AL_PLAYING;
}
