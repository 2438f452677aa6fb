#pragma once

#include <memory>
#include <string>

// One sound decoded into an OpenAL buffer. Needs a current audio context for its whole life.
class SoundBuffer {
public:
    // Nothing, with the reason, when the file cannot be read as mono or stereo sound.
    static std::unique_ptr<SoundBuffer> load(const std::string& path, std::string& reason);
    ~SoundBuffer();
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    unsigned name() const { return buffer; }
    float seconds() const { return length; }

private:
    SoundBuffer(unsigned buffer, float length) : buffer(buffer), length(length) {}

    unsigned buffer;
    float length;  // seconds
};
