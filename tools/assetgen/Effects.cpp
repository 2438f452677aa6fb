#include <cstdint>
#include <iterator>
#include <vector>

#include "Random.h"
#include "Sounds.h"

// The effects that play once. Each is built of a few layers, every layer with its own envelope
// so that the sound starts and ends in silence.
namespace {

using synth::Envelope;
using synth::kHold;
using synth::Signal;
using synth::Wave;

const double kButterworthQ = 0.707;  // the flattest pass band of a 12 dB per octave filter
const int kSoftPartials = 6;         // enough for a wave's character without any buzz

// step.wav: a soft scuff of low-passed noise over a low thump, short enough for six a second.
const std::uint32_t kStepSeed = 11u;
const double kStepSeconds = 0.12;
const double kScuffCutoffHz = 900.0;
const Envelope kScuff{0.004, 0.025, 0.04};
const double kScuffGain = 3.5;  // low-passed noise is quiet for its peak; the scuff leads
const double kStepThumpFromHz = 110.0;
const double kStepThumpToHz = 60.0;
const Envelope kStepThump{0.003, 0.03, 0.04};
const double kStepThumpGain = 0.5;

// jump.wav: a light hop whose pitch rises, with a breath of noise as the feet leave.
const std::uint32_t kJumpSeed = 12u;
const double kJumpSeconds = 0.2;
const double kHopFromHz = 220.0;
const double kHopToHz = 560.0;
const Envelope kHop{0.008, 0.07, 0.06};
const double kPuffCutoffHz = 2000.0;
const Envelope kPuff{0.002, 0.02, 0.03};
const double kPuffGain = 0.4;

// land.wav: a dull thump that falls in pitch, under low-passed noise.
const std::uint32_t kLandSeed = 13u;
const double kLandSeconds = 0.2;
const double kLandThumpFromHz = 160.0;
const double kLandThumpToHz = 45.0;
const Envelope kLandThump{0.002, 0.05, 0.06};
const double kLandNoiseCutoffHz = 400.0;
const Envelope kLandNoise{0.002, 0.03, 0.05};
const double kLandNoiseGain = 3.0;

// health_pickup.wav: a quick rising C major arpeggio of chimes, the top note ringing on.
const int kPickupNotes[] = {84, 88, 91, 96};  // MIDI: C6 E6 G6 C7
const double kPickupSeconds = 0.5;
const double kPickupSpacing = 0.06;    // seconds between the notes
const double kPickupDecay = 0.09;      // seconds
const double kPickupLastDecay = 0.18;  // seconds
const double kPickupAttack = 0.002;    // seconds
const double kPickupRelease = 0.06;    // seconds
// A chime: the fundamental with a little of its octave and twelfth.
const double kChimeOctaveGain = 0.25;
const double kChimeTwelfthGain = 0.1;

// trap_hit.wav: a noise burst over two detuned low buzzes that sag in pitch.
const std::uint32_t kTrapSeed = 14u;
const double kTrapSeconds = 0.35;
const double kBurstCentreHz = 1800.0;
const double kBurstQ = 0.9;
const Envelope kBurst{0.001, 0.035, 0.05};
const double kBurstGain = 3.0;
const double kBuzzSawFromHz = 82.0;
const double kBuzzSquareFromHz = 86.5;  // a little sharp of the saw, so that they grind
const double kBuzzSag = 0.7;            // of the starting pitch, by the end
const int kBuzzPartials = 40;
const Envelope kBuzz{0.002, 0.08, 0.08};
const double kBuzzSquareGain = 0.6;

// lose.wav: a falling two-octave slide, a triangle with a slightly detuned square beside it.
const double kLoseSeconds = 1.1;
const double kLoseFromHz = 440.0;
const double kLoseToHz = 110.0;
const double kLoseDetune = 1.006;  // of the pitch: a slow beat between the two voices
const double kLoseSquareGain = 0.3;
const Envelope kLose{0.01, kHold, 0.4};

// win.wav: "ta-ta-ta-taaa" on a soft brass voice, the last note a C major chord.
struct Note {
    double at;  // seconds
    int midi;
    double seconds;
    double gain;
};
const Note kFanfare[] = {
    {0.00, 67, 0.14, 0.8}, {0.14, 72, 0.14, 0.8}, {0.28, 76, 0.14, 0.8},
    {0.42, 79, 1.15, 1.0}, {0.42, 76, 1.15, 0.5}, {0.42, 72, 1.15, 0.5},
};
const double kFanfareLongNote = 0.5;  // seconds; notes at least this long ring out
const Envelope kFanfareShort{0.01, 0.25, 0.04};
const Envelope kFanfareLong{0.015, 0.6, 0.4};
const double kBrassCutoffHz = 2500.0;

// click.wav: a tiny tick of a high sine and a grain of noise.
const std::uint32_t kClickSeed = 15u;
const double kClickSeconds = 0.03;
const double kClickHz = 1500.0;
const Envelope kClickTone{0.0005, 0.004, 0.01};
const double kClickNoiseHz = 3500.0;
const double kClickNoiseQ = 1.5;
const Envelope kClickNoise{0.0003, 0.002, 0.01};
const double kClickNoiseGain = 0.8;

Signal shaped(Signal signal, const Envelope& envelope) {
    synth::shape(signal, envelope);
    return signal;
}

Signal finished(Signal signal) {
    synth::normalise(signal, sounds::kEffectPeakDb);
    return signal;
}

Signal chime(double hz, double seconds, double decay) {
    const std::vector<synth::Ring> rings = {
        {1.0, 1.0, decay}, {2.0, kChimeOctaveGain, decay}, {3.0, kChimeTwelfthGain, decay}};
    return synth::struck(hz, rings, kPickupAttack, kPickupRelease, seconds);
}

Signal brass(const Note& note) {
    Signal out = synth::tone(Wave::Saw, synth::noteHz(note.midi), note.seconds, kSoftPartials);
    synth::onePoleLowPass(out, kBrassCutoffHz);
    return shaped(out, note.seconds >= kFanfareLongNote ? kFanfareLong : kFanfareShort);
}

}  // namespace

Signal sounds::step() {
    Random random(kStepSeed);
    Signal scuff = synth::noise(random, kStepSeconds);
    synth::lowPass(scuff, kScuffCutoffHz, kButterworthQ);
    Signal out;
    synth::add(out,
               shaped(synth::sweep(Wave::Sine, kStepThumpFromHz, kStepThumpToHz, kStepSeconds, 1),
                      kStepThump),
               0.0, kStepThumpGain);
    synth::add(out, shaped(scuff, kScuff), 0.0, kScuffGain);
    return finished(out);
}

Signal sounds::jump() {
    Random random(kJumpSeed);
    Signal puff = synth::noise(random, kJumpSeconds);
    synth::lowPass(puff, kPuffCutoffHz, kButterworthQ);
    Signal out = shaped(
        synth::sweep(Wave::Triangle, kHopFromHz, kHopToHz, kJumpSeconds, kSoftPartials), kHop);
    synth::add(out, shaped(puff, kPuff), 0.0, kPuffGain);
    return finished(out);
}

Signal sounds::land() {
    Random random(kLandSeed);
    Signal rumble = synth::noise(random, kLandSeconds);
    synth::lowPass(rumble, kLandNoiseCutoffHz, kButterworthQ);
    Signal out = shaped(synth::sweep(Wave::Sine, kLandThumpFromHz, kLandThumpToHz, kLandSeconds, 1),
                        kLandThump);
    synth::add(out, shaped(rumble, kLandNoise), 0.0, kLandNoiseGain);
    return finished(out);
}

Signal sounds::healthPickup() {
    Signal out;
    const int count = static_cast<int>(std::size(kPickupNotes));
    for (int i = 0; i < count; ++i) {
        const double at = i * kPickupSpacing;
        const double decay = i == count - 1 ? kPickupLastDecay : kPickupDecay;
        synth::add(out, chime(synth::noteHz(kPickupNotes[i]), kPickupSeconds - at, decay), at, 1.0);
    }
    return finished(out);
}

Signal sounds::trapHit() {
    Random random(kTrapSeed);
    Signal burst = synth::noise(random, kTrapSeconds);
    synth::bandPass(burst, kBurstCentreHz, kBurstQ);
    Signal out = shaped(synth::sweep(Wave::Saw, kBuzzSawFromHz, kBuzzSawFromHz * kBuzzSag,
                                     kTrapSeconds, kBuzzPartials),
                        kBuzz);
    synth::add(out,
               shaped(synth::sweep(Wave::Square, kBuzzSquareFromHz, kBuzzSquareFromHz * kBuzzSag,
                                   kTrapSeconds, kBuzzPartials),
                      kBuzz),
               0.0, kBuzzSquareGain);
    synth::add(out, shaped(burst, kBurst), 0.0, kBurstGain);
    return finished(out);
}

Signal sounds::lose() {
    Signal out = synth::sweep(Wave::Triangle, kLoseFromHz, kLoseToHz, kLoseSeconds, kSoftPartials);
    synth::add(out,
               synth::sweep(Wave::Square, kLoseFromHz * kLoseDetune, kLoseToHz * kLoseDetune,
                            kLoseSeconds, kSoftPartials),
               0.0, kLoseSquareGain);
    return finished(shaped(out, kLose));
}

Signal sounds::win() {
    Signal out;
    for (const Note& note : kFanfare) {
        synth::add(out, brass(note), note.at, note.gain);
    }
    return finished(out);
}

Signal sounds::click() {
    Random random(kClickSeed);
    Signal grain = synth::noise(random, kClickSeconds);
    synth::bandPass(grain, kClickNoiseHz, kClickNoiseQ);
    Signal out = shaped(synth::tone(Wave::Sine, kClickHz, kClickSeconds, 1), kClickTone);
    synth::add(out, shaped(grain, kClickNoise), 0.0, kClickNoiseGain);
    return finished(out);
}
