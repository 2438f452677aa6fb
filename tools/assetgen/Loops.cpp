#include <cmath>
#include <cstddef>
#include <vector>

#include "Sounds.h"

// The short loops the game repeats for as long as something lasts. A steady loop is built only
// of partials that run a whole number of cycles over its length, with no envelope, so the
// sample after the last is exactly the first; the chime's strikes let their tails wrap round.
namespace {

using synth::kTwoPi;
using synth::Signal;

// A sine partial, or a voice, of a steady loop.
struct Partial {
    long cycles;  // over the whole loop
    double gain;
};

// health_hum.wav: a warm hum on 110 Hz with fading overtones; the lower two are doubled half a
// hertz higher, so that the hum swells and ebbs gently once a loop.
const double kHumSeconds = 2.0;
const Partial kHum[] = {
    {220, 1.0},   // 110 Hz
    {221, 0.3},   // 110.5 Hz
    {440, 0.5},   // 220 Hz
    {441, 0.15},  // 220.5 Hz
    {660, 0.2},   // 330 Hz
    {880, 0.08},  // 440 Hz
};

// slowed.wav: a low buzz on 80 Hz whose pitch and loudness sag together one and a half times a
// second, beside a second voice half a hertz higher.
const double kSlowedSeconds = 2.0;
const Partial kSlowedVoices[] = {{160, 1.0}, {161, 0.5}};  // 80 Hz and 80.5 Hz
const int kSlowedPartials = 8;
const double kSlowedRolloff = 1.5;    // partial k has weight 1 / k^rolloff: soft but buzzy
const long kWobbleCycles = 3;         // over the loop: 1.5 Hz
const double kWobbleDepthHz = 4.0;    // the pitch swings this far either side
const double kWobbleLoudness = 0.35;  // of the level, either side

// goal_chime.wav: an A major triad struck downwards on a soft bell, one strike a second.
struct Strike {
    double at;  // seconds
    int midi;
    double gain;
};
const double kChimeSeconds = 3.0;
const Strike kStrikes[] = {{0.15, 88, 0.8}, {1.15, 85, 0.9}, {2.15, 81, 1.0}};  // E6 C#6 A5
// A bell's partials are not harmonic; these are those of a struck bar, each higher one
// dying away sooner.
const std::vector<synth::Ring> kBell = {{1.0, 1.0, 0.6}, {2.76, 0.3, 0.25}, {5.40, 0.12, 0.12}};
const double kBellAttack = 0.005;   // seconds
const double kBellRelease = 0.5;    // seconds; by then the strike is some 35 dB down anyway
const double kStrikeSeconds = 3.0;  // each strike rings this long before it is cut

// The phase (cycles) at `sample` of a partial that runs `cycles` times over a loop of
// `length` samples, from integers so that rounding cannot break the period.
double loopPhase(long cycles, std::size_t sample, std::size_t length) {
    const long long turns = static_cast<long long>(cycles) * static_cast<long long>(sample);
    return static_cast<double>(turns % static_cast<long long>(length)) / length;
}

Signal finished(Signal signal) {
    synth::normalise(signal, sounds::kEffectPeakDb);
    return signal;
}

}  // namespace

Signal sounds::healthHum() {
    Signal out(synth::sampleCount(kHumSeconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        double sum = 0.0;
        for (const Partial& partial : kHum) {
            sum += partial.gain * std::sin(kTwoPi * loopPhase(partial.cycles, i, out.size()));
        }
        out[i] = static_cast<float>(sum);
    }
    return finished(out);
}

Signal sounds::slowed() {
    Signal out(synth::sampleCount(kSlowedSeconds));
    const double wobbleHz = kWobbleCycles / kSlowedSeconds;
    // The phase swing, in cycles, that makes the pitch swing by kWobbleDepthHz.
    const double swing = kWobbleDepthHz / (kTwoPi * wobbleHz);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double wobble = kTwoPi * loopPhase(kWobbleCycles, i, out.size());
        double sum = 0.0;
        for (const Partial& voice : kSlowedVoices) {
            const double phase = loopPhase(voice.cycles, i, out.size()) + swing * std::sin(wobble);
            for (int k = 1; k <= kSlowedPartials; ++k) {
                sum += voice.gain * std::sin(kTwoPi * k * phase) / std::pow(k, kSlowedRolloff);
            }
        }
        // The pitch follows the cosine, the phase's rate of change, so the loudness dips with it.
        out[i] = static_cast<float>(sum * (1.0 + kWobbleLoudness * std::cos(wobble)));
    }
    return finished(out);
}

Signal sounds::goalChime() {
    Signal out(synth::sampleCount(kChimeSeconds));
    for (const Strike& strike : kStrikes) {
        const Signal ring = synth::struck(synth::noteHz(strike.midi), kBell, kBellAttack,
                                          kBellRelease, kStrikeSeconds);
        synth::addWrapped(out, ring, strike.at, strike.gain);
    }
    return finished(out);
}
