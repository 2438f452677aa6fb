#include <cstddef>
#include <iterator>
#include <vector>

#include "Sounds.h"

// The music a level may choose instead of music.wav, each half its length and unlike it in
// pace and voice. As there, every note's tail wraps round the loop, so the seam is not heard.
namespace {

using synth::Envelope;
using synth::kHold;
using synth::Signal;
using synth::Wave;

const double kLoopSeconds = 16.0;

Signal held(Wave shape, int midi, double seconds, int partials, const Envelope& envelope,
            double cutoffHz) {
    Signal out = synth::tone(shape, synth::noteHz(midi), seconds, partials);
    synth::onePoleLowPass(out, cutoffHz);
    synth::shape(out, envelope);
    return out;
}

// music-glacier.wav: slow and cold. Four minor chords of four seconds on a pure sine pad, no
// bass, and glassy bells high above that ring a long time, at 75 beats a minute.
const double kGlacierChordSeconds = 4.0;
const double kGlacierBeat = 0.8;  // seconds
const struct {
    int pad[3];
    int bells[3];
} kGlacierChords[] = {
    {{57, 60, 64}, {81, 84, 88}},  // Am
    {{53, 57, 60}, {84, 81, 77}},  // F
    {{55, 59, 62}, {86, 83, 79}},  // G
    {{52, 55, 59}, {83, 79, 76}},  // Em
};
const double kGlacierBellBeats[] = {0.0, 1.5, 3.5};
const Envelope kGlacierPad{1.5, kHold, 1.5};
const double kGlacierPadGain = 0.15;
const std::vector<synth::Ring> kGlass = {{1.0, 1.0, 2.5}, {2.76, 0.3, 0.8}, {5.4, 0.1, 0.3}};
const double kGlassAttack = 0.004;  // seconds
const double kGlassRelease = 0.8;   // seconds
const double kGlassSeconds = 4.0;
const double kGlassGain = 0.3;

// music-foundry.wav: heavy and driving at 120 beats a minute. A low filtered saw pulses on
// every eighth, an anvil rings on the second and fourth beat, and a square pad holds the chord.
const double kFoundryBeat = 0.5;  // seconds
const int kFoundryBeatsPerChord = 8;
const struct {
    int bass;
    int pad[3];
} kFoundryChords[] = {
    {38, {50, 53, 57}},  // Dm
    {34, {50, 53, 58}},  // Bb
    {36, {48, 52, 55}},  // C
    {33, {49, 52, 57}},  // A
};
const Envelope kPulse{0.005, 0.12, 0.05};
const double kPulseSeconds = 0.24;
const double kPulseCutoffHz = 500.0;
const double kPulseGain = 0.5;
const Envelope kFoundryPad{0.3, kHold, 0.8};
const double kFoundryPadCutoffHz = 900.0;
const double kFoundryPadGain = 0.06;
const std::vector<synth::Ring> kAnvil = {{1.0, 1.0, 0.25}, {2.41, 0.6, 0.15}, {3.93, 0.4, 0.08}};
const int kAnvilNote = 72;
const double kAnvilAttack = 0.002;  // seconds
const double kAnvilRelease = 0.1;   // seconds
const double kAnvilSeconds = 0.6;
const double kAnvilGain = 0.25;

}  // namespace

Signal sounds::musicGlacier() {
    Signal loop(synth::sampleCount(kLoopSeconds));
    double at = 0.0;
    for (const auto& chord : kGlacierChords) {
        const double seconds = kGlacierChordSeconds + kGlacierPad.release;
        for (int midi : chord.pad) {
            synth::addWrapped(loop, held(Wave::Sine, midi, seconds, 1, kGlacierPad, 2000.0), at,
                              kGlacierPadGain);
        }
        for (std::size_t i = 0; i < std::size(chord.bells); ++i) {
            const Signal bell = synth::struck(synth::noteHz(chord.bells[i]), kGlass, kGlassAttack,
                                              kGlassRelease, kGlassSeconds);
            synth::addWrapped(loop, bell, at + kGlacierBellBeats[i] * kGlacierBeat, kGlassGain);
        }
        at += kGlacierChordSeconds;
    }
    synth::normalise(loop, kMusicPeakDb);
    return loop;
}

Signal sounds::musicFoundry() {
    Signal loop(synth::sampleCount(kLoopSeconds));
    const double chordSeconds = kFoundryBeatsPerChord * kFoundryBeat;
    const Signal anvil = synth::struck(synth::noteHz(kAnvilNote), kAnvil, kAnvilAttack,
                                       kAnvilRelease, kAnvilSeconds);
    double at = 0.0;
    for (const auto& chord : kFoundryChords) {
        const Signal pulse = held(Wave::Saw, chord.bass, kPulseSeconds, 12, kPulse, kPulseCutoffHz);
        for (int eighth = 0; eighth < 2 * kFoundryBeatsPerChord; ++eighth) {
            synth::addWrapped(loop, pulse, at + eighth * kFoundryBeat / 2.0, kPulseGain);
        }
        for (int beat = 1; beat < kFoundryBeatsPerChord; beat += 2) {
            synth::addWrapped(loop, anvil, at + beat * kFoundryBeat, kAnvilGain);
        }
        for (int midi : chord.pad) {
            synth::addWrapped(loop,
                              held(Wave::Square, midi, chordSeconds + kFoundryPad.release, 6,
                                   kFoundryPad, kFoundryPadCutoffHz),
                              at, kFoundryPadGain);
        }
        at += chordSeconds;
    }
    synth::normalise(loop, kMusicPeakDb);
    return loop;
}
