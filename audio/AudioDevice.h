#pragma once

#include <AL/alc.h>

#include <functional>
#include <memory>
#include <vector>

// An output opened for the game's sound, and the attributes its context is made with.
struct SoundOutput {
    ALCdevice* device = nullptr;            // nothing when no output opens
    std::vector<ALCint> contextAttributes;  // ending with 0; empty for the defaults
};
// The game opens its output through this alone, so that a test can put one of its own in its
// place (a loopback device, which mixes only when the test asks). By default it is
// openSystemOutput.
extern std::function<SoundOutput()> openSoundOutput;
// The system's default output.
SoundOutput openSystemOutput();

// The game's sound output with one context, current for as long as it lives.
class AudioDevice {
public:
    // Nothing when the system has no output that opens.
    static std::unique_ptr<AudioDevice> open();
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

private:
    AudioDevice(ALCdevice* device, ALCcontext* context);

    ALCdevice* device;
    ALCcontext* context;
};
