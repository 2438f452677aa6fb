#include "tests/support/SoundCard.h"

#include <AL/alext.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "audio/AudioDevice.h"

namespace fs = std::filesystem;

namespace SoundCard {

namespace {

const double kWindowSeconds = 0.01;
const int kLoopbackRate = 48000;  // frames per second
const int kChunkFrames = 480;     // what the mixing thread mixes at a time: 10 ms
const size_t kLongestTail = 10;   // seconds: far longer than any of the game's sounds

LPALCRENDERSAMPLESSOFT render() {
    static const auto function = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
        alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    return function;
}

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

Loopback::Loopback() {
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) {
        throw std::runtime_error("OpenAL has no loopback devices");
    }
    recorded.rate = kLoopbackRate;
    openSoundOutput = [this] {
        const auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
            alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
        device = open(nullptr);
        return SoundOutput{device,
                           {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT,
                            ALC_FLOAT_SOFT, ALC_FREQUENCY, kLoopbackRate, 0}};
    };
}

Loopback::~Loopback() {
    openSoundOutput = openSystemOutput;
}

void Loopback::mix(double step) {
    seconds += step;
    const auto frames =
        std::llround(seconds * kLoopbackRate) - static_cast<long long>(recorded.samples.size());
    std::vector<float> stereo(static_cast<size_t>(std::max(frames, 0LL)) * 2);
    render()(device, stereo.data(), static_cast<ALCsizei>(stereo.size() / 2));
    append(stereo);
}

void Loopback::mixWhile(const std::function<void()>& work) {
    std::atomic<bool> done{false};
    std::vector<float> tail;
    std::thread mixer([&] {
        std::vector<float> chunk(kChunkFrames * 2);
        while (!done && tail.size() < kLongestTail * kLoopbackRate * 2) {
            std::fill(chunk.begin(), chunk.end(), 0.0f);
            render()(device, chunk.data(), kChunkFrames);
            if (alcGetError(device) != ALC_NO_ERROR) {
                return;  // closed
            }
            tail.insert(tail.end(), chunk.begin(), chunk.end());
        }
    });
    work();
    done = true;
    mixer.join();
    append(tail);
}

void Loopback::append(const std::vector<float>& stereo) {
    for (size_t i = 0; i + 1 < stereo.size(); i += 2) {
        recorded.samples.push_back((stereo[i] + stereo[i + 1]) / 2.0f);
    }
}

}  // namespace SoundCard
