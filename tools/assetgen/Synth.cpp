#include "Synth.h"

#include <algorithm>
#include <cmath>

#include "Random.h"

namespace synth {

namespace {

const double kPi = 3.14159265358979323846;
const double kA4Hz = 440.0;
const int kA4Note = 69;
const double kSemitonesPerOctave = 12.0;

// The Fourier series of each wave: the weight of partial k (k = 1 is the fundamental), scaled
// so that the full series swings between -1 and 1.
double partialWeight(Wave shape, int k) {
    const bool odd = k % 2 == 1;
    switch (shape) {
        case Wave::Saw:
            return 2.0 / (kPi * k);
        case Wave::Square:
            return odd ? 4.0 / (kPi * k) : 0.0;
        case Wave::Triangle:
            return odd ? ((k / 2) % 2 == 0 ? 1.0 : -1.0) * 8.0 / (kPi * kPi * k * k) : 0.0;
        case Wave::Sine:
            break;
    }
    return k == 1 ? 1.0 : 0.0;
}

// 0 at the start of a span, 1 at its end and after, along half a cosine so that neither end
// has a corner.
double smoothRise(double t, double span) {
    if (span <= 0.0 || t >= span) {
        return 1.0;
    }
    const double s = std::sin(0.5 * kPi * std::max(t, 0.0) / span);
    return s * s;
}

struct Biquad {
    double b0, b1, b2, a1, a2;  // already divided by a0

    void run(Signal& signal) const {
        double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
        for (float& sample : signal) {
            const double x = sample;
            const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            sample = static_cast<float>(y);
        }
    }
};

Biquad biquad(double b0, double b1, double b2, double a0, double a1, double a2) {
    return {b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

}  // namespace

std::size_t sampleCount(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

double secondsAt(std::size_t sample) {
    return static_cast<double>(sample) / kSampleRate;
}

double noteHz(int midiNote) {
    return kA4Hz * std::pow(2.0, (midiNote - kA4Note) / kSemitonesPerOctave);
}

double wave(Wave shape, double phase, double hz, int maxPartials) {
    const double angle = kTwoPi * (phase - std::floor(phase));
    if (shape == Wave::Sine) {
        return std::sin(angle);
    }
    const int belowNyquist = static_cast<int>(std::ceil(kNyquist / hz)) - 1;
    const int partials = std::min(maxPartials, belowNyquist);
    double sum = 0.0;
    for (int k = 1; k <= partials; ++k) {
        const double weight = partialWeight(shape, k);
        if (weight != 0.0) {
            sum += weight * std::sin(k * angle);
        }
    }
    return sum;
}

Signal tone(Wave shape, double hz, double seconds, int maxPartials, double phase) {
    Signal out(sampleCount(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<float>(wave(shape, phase + hz * secondsAt(i), hz, maxPartials));
    }
    return out;
}

Signal sweep(Wave shape, double fromHz, double toHz, double seconds, int maxPartials) {
    Signal out(sampleCount(seconds));
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double hz = fromHz * std::pow(toHz / fromHz, secondsAt(i) / seconds);
        out[i] = static_cast<float>(wave(shape, phase, hz, maxPartials));
        phase += hz / kSampleRate;
    }
    return out;
}

Signal noise(Random& random, double seconds) {
    Signal out(sampleCount(seconds));
    for (float& sample : out) {
        sample = 2.0f * random.next() - 1.0f;
    }
    return out;
}

void shape(Signal& signal, const Envelope& envelope) {
    if (signal.empty()) {
        return;
    }
    const double end = secondsAt(signal.size() - 1);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double t = secondsAt(i);
        const double level = smoothRise(t, envelope.attack) *
                             std::exp(-std::max(t - envelope.attack, 0.0) / envelope.decay) *
                             smoothRise(end - t, envelope.release);
        signal[i] = static_cast<float>(signal[i] * level);
    }
}

Signal struck(double hz, const std::vector<Ring>& rings, double attack, double release,
              double seconds) {
    Signal out(sampleCount(seconds));
    for (const Ring& ring : rings) {
        Signal partial = tone(Wave::Sine, hz * ring.ratio, seconds, 1);
        shape(partial, {attack, ring.decay, release});
        add(out, partial, 0.0, ring.gain);
    }
    return out;
}

void onePoleLowPass(Signal& signal, double cutoffHz) {
    const double a = 1.0 - std::exp(-kTwoPi * cutoffHz / kSampleRate);
    double y = 0.0;
    for (float& sample : signal) {
        y += a * (sample - y);
        sample = static_cast<float>(y);
    }
}

void lowPass(Signal& signal, double cutoffHz, double q) {
    const double w = kTwoPi * cutoffHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    biquad((1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha)
        .run(signal);
}

void bandPass(Signal& signal, double centreHz, double q) {
    const double w = kTwoPi * centreHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    biquad(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * c, 1.0 - alpha).run(signal);
}

void add(Signal& into, const Signal& sound, double atSeconds, double gain) {
    const std::size_t start = sampleCount(atSeconds);
    into.resize(std::max(into.size(), start + sound.size()));
    for (std::size_t i = 0; i < sound.size(); ++i) {
        into[start + i] += static_cast<float>(gain * sound[i]);
    }
}

void addWrapped(Signal& loop, const Signal& sound, double atSeconds, double gain) {
    const std::size_t start = sampleCount(atSeconds);
    for (std::size_t i = 0; i < sound.size(); ++i) {
        loop[(start + i) % loop.size()] += static_cast<float>(gain * sound[i]);
    }
}

void normalise(Signal& signal, double peakDb) {
    float peak = 0.0f;
    for (float sample : signal) {
        peak = std::max(peak, std::fabs(sample));
    }
    if (peak == 0.0f) {
        return;
    }
    const double scale = std::pow(10.0, peakDb / 20.0) / peak;
    for (float& sample : signal) {
        sample = static_cast<float>(sample * scale);
    }
}

}  // namespace synth
