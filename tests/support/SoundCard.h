#pragma once

#include <AL/alc.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The sound output of the games that a test starts: in the test's own process a loopback
// device, or OpenAL Soft's null output, which plays to nowhere; in a game process started by
// a test, what its configuration file (ALSOFT_CONF) chooses.
namespace SoundCard {

// The configuration the games read; written with the null output on first use.
std::filesystem::path configFile();
// A file in the process's folder, for a game's mix.
std::filesystem::path mixFile();
// A configuration whose one output cannot open: a system without sound.
std::filesystem::path absentConfig();
// A configuration that mixes into `file`.
std::filesystem::path fileConfig(const std::filesystem::path& file);

// A mix, its channels averaged.
struct Mix {
    int rate = 0;  // frames per second
    std::vector<float> samples;

    double seconds() const { return static_cast<double>(samples.size()) / rate; }
    // The root mean square of the samples between two times in seconds (clipped to the mix).
    float rms(double from, double to) const;
    float peak() const;
    // The times at which the level, over 10 ms windows, rises to `threshold` after having
    // stayed below it for more than `gap` seconds: the starts of separate sounds.
    std::vector<double> onsets(double from, double to, float threshold, double gap) const;
};
// The sound of the games that this process starts while it lives, mixed only when asked:
// each opens a loopback device here in place of an output, and the test mixes as much of its
// sound as the game's clock has moved on. What comes out is the same on any machine.
class Loopback {
public:
    Loopback();
    ~Loopback();  // games open the system's output again
    Loopback(const Loopback&) = delete;
    Loopback& operator=(const Loopback&) = delete;

    // Mixes the sound of the next `seconds` onto the end of the mix.
    void mix(double seconds);
    // Runs `work` while another thread mixes as fast as it can, until `work` returns or the
    // game closes its device: for a game that waits for a sound to end before it closes.
    void mixWhile(const std::function<void()>& work);
    const Mix& mixed() const { return recorded; }

private:
    void append(const std::vector<float>& stereo);

    ALCdevice* device = nullptr;  // the last game's
    Mix recorded;
    double seconds = 0.0;  // mixed by mix(), which keeps the count of samples in step with it
};

}  // namespace SoundCard
