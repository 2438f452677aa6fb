#include "audio/SoundBuffer.h"

#include <AL/al.h>
#include <sndfile.h>

#include <vector>

namespace {

// Longer files are refused rather than decoded: a replaced sound must not take all memory.
const sf_count_t kMaxFrames = 48000 * 120;  // two minutes at 48 kHz

struct FileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

}  // namespace

std::unique_ptr<SoundBuffer> SoundBuffer::load(const std::string& path, std::string& reason) {
    SF_INFO info{};
    std::unique_ptr<SNDFILE, FileCloser> file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file) {
        reason = sf_strerror(nullptr);
        return nullptr;
    }
    if (info.channels < 1 || info.channels > 2 || info.frames < 1 || info.frames > kMaxFrames ||
        info.samplerate < 1) {
        reason = "not a mono or stereo sound of at most two minutes";
        return nullptr;
    }
    std::vector<short> samples(static_cast<size_t>(info.frames * info.channels));
    const sf_count_t frames = sf_readf_short(file.get(), samples.data(), info.frames);
    if (frames < 1) {
        reason = "no samples could be decoded";
        return nullptr;
    }
    ALuint buffer = 0;
    alGetError();
    alGenBuffers(1, &buffer);
    alBufferData(buffer, info.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, samples.data(),
                 static_cast<ALsizei>(frames * info.channels * sizeof(short)), info.samplerate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        reason = "the sound device refused its samples";
        return nullptr;
    }
    const float length = static_cast<float>(frames) / static_cast<float>(info.samplerate);
    return std::unique_ptr<SoundBuffer>(new SoundBuffer(buffer, length));
}

SoundBuffer::~SoundBuffer() {
    alDeleteBuffers(1, &buffer);
}
