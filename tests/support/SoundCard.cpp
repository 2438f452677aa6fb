#include "tests/support/SoundCard.h"

#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace SoundCard {

namespace {

const double kWindowSeconds = 0.01;

// One folder per test process, removed when the process ends.
class Folder {
public:
    Folder() {
        path = fs::temp_directory_path() / ("smeltrun-sound-" + std::to_string(getpid()));
        fs::create_directories(path);
        write(path / "alsoft.conf", "drivers=null\n");
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    static void write(const fs::path& file, const std::string& text) {
        std::ofstream(file, std::ios::trunc) << text;
    }

    fs::path path;
};

Folder& folder() {
    static Folder instance;
    return instance;
}

std::string mixConfig(const fs::path& file) {
    return "drivers=wave\n[wave]\nfile=" + file.string() + "\n";
}

size_t frameAt(const Mix& mix, double seconds) {
    const double frame = std::max(0.0, seconds) * mix.rate;
    return std::min(mix.samples.size(), static_cast<size_t>(frame));
}

}  // namespace

fs::path configFile() {
    return folder().path / "alsoft.conf";
}

void mixToFile() {
    Folder::write(configFile(), mixConfig(mixFile()));
}

fs::path mixFile() {
    return folder().path / "mix.wav";
}

fs::path absentConfig() {
    const fs::path file = folder().path / "absent.conf";
    Folder::write(file, mixConfig(folder().path / "no-such-folder" / "mix.wav"));
    return file;
}

fs::path fileConfig(const fs::path& file) {
    const fs::path config = folder().path / (file.stem().string() + ".conf");
    Folder::write(config, mixConfig(file));
    return config;
}

float Mix::rms(double from, double to) const {
    const size_t begin = frameAt(*this, from);
    const size_t end = frameAt(*this, to);
    double sum = 0.0;
    for (size_t i = begin; i < end; ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return end > begin ? static_cast<float>(std::sqrt(sum / static_cast<double>(end - begin)))
                       : 0.0f;
}

float Mix::peak() const {
    float highest = 0.0f;
    for (const float sample : samples) {
        highest = std::max(highest, std::fabs(sample));
    }
    return highest;
}

std::vector<double> Mix::onsets(double from, double to, float threshold, double gap) const {
    std::vector<double> found;
    double lastLoud = from - 2.0 * gap;
    for (double t = from; t + kWindowSeconds <= to; t += kWindowSeconds) {
        if (rms(t, t + kWindowSeconds) < threshold) {
            continue;
        }
        if (t - lastLoud > gap + kWindowSeconds / 2.0) {
            found.push_back(t);
        }
        lastLoud = t;
    }
    return found;
}

Mix readMix(const fs::path& file) {
    SF_INFO info{};
    SNDFILE* sound = sf_open(file.c_str(), SFM_READ, &info);
    if (!sound) {
        throw std::runtime_error("cannot read the mix " + file.string());
    }
    std::vector<float> frames(static_cast<size_t>(info.frames * info.channels));
    const sf_count_t read = sf_readf_float(sound, frames.data(), info.frames);
    sf_close(sound);
    Mix mix;
    mix.rate = info.samplerate;
    for (sf_count_t frame = 0; frame < read; ++frame) {
        float sum = 0.0f;
        for (int channel = 0; channel < info.channels; ++channel) {
            sum += frames[static_cast<size_t>(frame * info.channels + channel)];
        }
        mix.samples.push_back(sum / static_cast<float>(info.channels));
    }
    return mix;
}

}  // namespace SoundCard
