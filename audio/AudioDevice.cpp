#include "audio/AudioDevice.h"

#include <AL/alc.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Holds back what the drivers write to the standard error while it lives. Without a sound
// card, ALSA and OpenAL Soft print a dozen lines of their own, which would bury the game's
// one line about it. Whoever asks OpenAL Soft for its log (ALSOFT_LOGLEVEL) sees everything.
class QuietDrivers {
public:
    QuietDrivers() {
        if (std::getenv("ALSOFT_LOGLEVEL")) {
            return;
        }
        std::fflush(stderr);
        saved = dup(STDERR_FILENO);
        const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved >= 0 && sink >= 0) {
            dup2(sink, STDERR_FILENO);
        }
        if (sink >= 0) {
            close(sink);
        }
    }
    ~QuietDrivers() {
        if (saved >= 0) {
            std::fflush(stderr);
            dup2(saved, STDERR_FILENO);
            close(saved);
        }
    }
    QuietDrivers(const QuietDrivers&) = delete;
    QuietDrivers& operator=(const QuietDrivers&) = delete;

private:
    int saved = -1;
};

}  // namespace

std::function<SoundOutput()> openSoundOutput = openSystemOutput;

SoundOutput openSystemOutput() {
    return SoundOutput{alcOpenDevice(nullptr), {}};
}

std::unique_ptr<AudioDevice> AudioDevice::open() {
    const QuietDrivers quiet;
    const SoundOutput output = openSoundOutput();
    ALCdevice* device = output.device;
    if (!device) {
        return nullptr;
    }
    const ALCint* attributes =
        output.contextAttributes.empty() ? nullptr : output.contextAttributes.data();
    ALCcontext* context = alcCreateContext(device, attributes);
    if (!context || !alcMakeContextCurrent(context)) {
        if (context) {
            alcDestroyContext(context);
        }
        alcCloseDevice(device);
        return nullptr;
    }
    return std::unique_ptr<AudioDevice>(new AudioDevice(device, context));
}

AudioDevice::AudioDevice(ALCdevice* device, ALCcontext* context)
    : device(device), context(context) {}

AudioDevice::~AudioDevice() {
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
    alcCloseDevice(device);
}
