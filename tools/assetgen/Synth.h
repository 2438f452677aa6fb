#pragma once

#include <cstddef>
#include <limits>
#include <vector>

class Random;

// The building blocks of every sound: oscillators, noise, envelopes, filters and mixing, all on
// mono float samples at one rate.
namespace synth {

// Mono samples, nominally in [-1, 1] once normalised.
using Signal = std::vector<float>;

// Hz. Half the CD rate: game effects have little above 8 kHz, and the files stay small.
const double kSampleRate = 22050.0;
const double kNyquist = kSampleRate / 2.0;  // Hz
const double kTwoPi = 6.28318530717958647692;
// An envelope's decay that never falls: the level holds until the release.
const double kHold = std::numeric_limits<double>::infinity();

std::size_t sampleCount(double seconds);
double secondsAt(std::size_t sample);
// Equal temperament, A4 = MIDI note 69 = 440 Hz.
double noteHz(int midiNote);

enum class Wave { Sine, Triangle, Saw, Square };

// One sample of a wave built from its partials, phase in cycles. Partials at or above the
// Nyquist frequency are left out, so high and swept tones do not alias; `maxPartials` rounds
// a wave off further, for soft voices.
double wave(Wave shape, double phase, double hz, int maxPartials);

// A steady tone starting at `phase` (cycles).
Signal tone(Wave shape, double hz, double seconds, int maxPartials, double phase = 0.0);
// A tone whose pitch glides exponentially from `fromHz` to `toHz` over its length.
Signal sweep(Wave shape, double fromHz, double toHz, double seconds, int maxPartials);
// White noise in [-1, 1].
Signal noise(Random& random, double seconds);

// A smooth rise over `attack`, then an exponential fall with time constant `decay`, and a
// smooth fade to exactly zero over the last `release` of the signal: both ends are silent,
// so nothing clicks when a sound starts or stops.
struct Envelope {
    double attack;   // seconds
    double decay;    // seconds, the time to fall to 1/e; kHold for none
    double release;  // seconds
};
void shape(Signal& signal, const Envelope& envelope);

// A gentle 6 dB per octave low-pass.
void onePoleLowPass(Signal& signal, double cutoffHz);
// Steeper 12 dB per octave filters (biquads after R. Bristow-Johnson's cookbook).
void lowPass(Signal& signal, double cutoffHz, double q);
void bandPass(Signal& signal, double centreHz, double q);

// One partial of a struck sound (a bell, a chime): a sine at `ratio` times the fundamental that
// dies away on its own, the higher ones usually sooner.
struct Ring {
    double ratio;
    double gain;
    double decay;  // seconds, to 1/e
};
// A struck sound of the given partials, each shaped by its own decay with the same attack and
// release.
Signal struck(double hz, const std::vector<Ring>& rings, double attack, double release,
              double seconds);

// Adds `sound` times `gain` from `atSeconds` on; `into` grows to hold all of it.
void add(Signal& into, const Signal& sound, double atSeconds, double gain);
// The same for a loop: whatever runs past the end wraps round to the start, so a note's tail
// carries on across the loop point as it would if the loop were played twice.
void addWrapped(Signal& loop, const Signal& sound, double atSeconds, double gain);

// Scales the signal so that its highest absolute sample lies at `peakDb` (dB of full scale,
// negative).
void normalise(Signal& signal, double peakDb);

}  // namespace synth
