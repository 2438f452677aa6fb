#include "WavWriter.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

const double kFullScale = 32767.0;  // the largest 16-bit sample

struct CloseFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

std::vector<short> pcm16(const synth::Signal& signal) {
    std::vector<short> out;
    out.reserve(signal.size());
    for (float sample : signal) {
        const double clipped = std::clamp(static_cast<double>(sample), -1.0, 1.0);
        out.push_back(static_cast<short>(std::lround(clipped * kFullScale)));
    }
    return out;
}

}  // namespace

void writeWav(const synth::Signal& signal, const std::string& path) {
    SF_INFO info{};
    info.samplerate = static_cast<int>(synth::kSampleRate);
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    std::unique_ptr<SNDFILE, CloseFile> file(sf_open(path.c_str(), SFM_WRITE, &info));
    if (!file) {
        throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    }
    // A PEAK chunk would carry the time of writing; the files must be the same on every run.
    sf_command(file.get(), SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    const std::vector<short> samples = pcm16(signal);
    const auto count = static_cast<sf_count_t>(samples.size());
    if (sf_write_short(file.get(), samples.data(), count) != count) {
        throw std::runtime_error("cannot write " + path + ": " + sf_strerror(file.get()));
    }
    if (sf_close(file.release()) != 0) {
        throw std::runtime_error("cannot finish " + path);
    }
}
