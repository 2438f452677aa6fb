#include <cstddef>
#include <iterator>
#include <vector>

#include "Sounds.h"

// music.wav: a calm loop of eight chords, four seconds each at 120 beats a minute, on a soft
// pad with a plain bass, and a sparse bell arpeggio above. Every note is added with its tail
// wrapped round the loop, so the last chord's release sounds under the first chord's start and
// the loop point cannot be heard.
namespace {

using synth::Envelope;
using synth::kHold;
using synth::Signal;
using synth::Wave;

const double kLoopSeconds = 32.0;
const double kBeatSeconds = 0.5;  // 120 beats a minute
const int kBeatsPerChord = 8;
const double kChordSeconds = kBeatsPerChord * kBeatSeconds;

// MIDI notes. The pad moves by small steps between chords; the bells pick chord tones an octave
// or two above it, 0 for a rest.
struct Chord {
    int bass;
    int pad[4];
    int bells[4];
};
const Chord kChords[] = {
    {36, {48, 55, 59, 64}, {76, 79, 83, 79}},  // Cmaj7
    {45, {52, 55, 60, 64}, {72, 76, 79, 0}},   // Am7
    {41, {53, 57, 60, 64}, {77, 81, 84, 81}},  // Fmaj7
    {43, {50, 55, 59, 64}, {74, 79, 83, 0}},   // G6
    {40, {50, 55, 59, 62}, {71, 74, 79, 74}},  // Em7
    {45, {48, 52, 55, 60}, {72, 76, 79, 0}},   // Am7
    {38, {48, 53, 57, 60}, {74, 77, 81, 77}},  // Dm7
    {43, {50, 55, 60, 62}, {74, 79, 77, 0}},   // Gsus4, leading back to C
};
const double kBellBeats[] = {0.0, 1.5, 3.0, 5.0};  // within a chord

// The pad: three triangles per note, a few cents apart so that they drift slowly in and out of
// phase, with slow swells that overlap from chord to chord.
const double kPadDetune[] = {-0.003, 0.0, 0.003};  // of the pitch, about 5 cents
// cycles, so that the three do not start in step
const double kPadPhases[] = {0.0, 1.0 / 3.0, 2.0 / 3.0};
const int kPadPartials = 5;
const double kPadCutoffHz = 1200.0;
const Envelope kPad{1.0, kHold, 1.5};
const double kPadGain = 0.1;

// The bass: a triangle cut to its first two partials, nearly a sine but with a little overtone,
// which carries better on small speakers.
const int kBassPartials = 3;
const Envelope kBass{0.4, 6.0, 1.0};
const double kBassGain = 0.35;

// The bells: a soft electric-piano-like strike.
const std::vector<synth::Ring> kBellRings = {{1.0, 1.0, 0.9}, {2.0, 0.25, 0.4}, {3.0, 0.08, 0.25}};
const double kBellAttack = 0.006;  // seconds
const double kBellRelease = 0.5;   // seconds
const double kBellSeconds = 2.5;   // each strike rings this long
const double kBellGain = 0.4;

// A note held for a chord, plus its release after the chord has changed.
double heldSeconds(const Envelope& envelope) {
    return kChordSeconds + envelope.release;
}

Signal padNote(int midi) {
    const double seconds = heldSeconds(kPad);
    Signal out(synth::sampleCount(seconds));
    for (std::size_t i = 0; i < std::size(kPadDetune); ++i) {
        const double hz = synth::noteHz(midi) * (1.0 + kPadDetune[i]);
        synth::add(out, synth::tone(Wave::Triangle, hz, seconds, kPadPartials, kPadPhases[i]), 0.0,
                   1.0);
    }
    synth::onePoleLowPass(out, kPadCutoffHz);
    synth::shape(out, kPad);
    return out;
}

Signal bassNote(int midi) {
    Signal out =
        synth::tone(Wave::Triangle, synth::noteHz(midi), heldSeconds(kBass), kBassPartials);
    synth::shape(out, kBass);
    return out;
}

void addChord(Signal& loop, const Chord& chord, double at) {
    for (int midi : chord.pad) {
        synth::addWrapped(loop, padNote(midi), at, kPadGain);
    }
    synth::addWrapped(loop, bassNote(chord.bass), at, kBassGain);
    for (int i = 0; i < 4; ++i) {
        if (chord.bells[i] != 0) {
            const Signal bell = synth::struck(synth::noteHz(chord.bells[i]), kBellRings,
                                              kBellAttack, kBellRelease, kBellSeconds);
            synth::addWrapped(loop, bell, at + kBellBeats[i] * kBeatSeconds, kBellGain);
        }
    }
}

}  // namespace

Signal sounds::music() {
    Signal loop(synth::sampleCount(kLoopSeconds));
    double at = 0.0;
    for (const Chord& chord : kChords) {
        addChord(loop, chord, at);
        at += kChordSeconds;
    }
    synth::normalise(loop, kMusicPeakDb);
    return loop;
}
