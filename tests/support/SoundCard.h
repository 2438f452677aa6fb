#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The sound output of the games that a test process starts, chosen through OpenAL Soft's
// configuration file (ALSOFT_CONF). OpenAL Soft reads that file once, when the process opens
// its first device, so all games of a process share one output: the null output, which
// plays to nowhere, unless the process asks before its first game to mix into a file.
namespace SoundCard {

// The configuration the games read; written with the null output on first use.
std::filesystem::path configFile();
// From now on, the games write their mix into mixFile(), in real time.
void mixToFile();
std::filesystem::path mixFile();
// A configuration whose one output cannot open: a system without sound.
std::filesystem::path absentConfig();
// A configuration that mixes into `file`.
std::filesystem::path fileConfig(const std::filesystem::path& file);

// A mix read back, its channels averaged.
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
Mix readMix(const std::filesystem::path& file = mixFile());

}  // namespace SoundCard
