#pragma once

#include <AL/alc.h>

#include <memory>

// The system's default sound output with one context, current for as long as it lives.
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
