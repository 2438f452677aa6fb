#pragma once

#include "Synth.h"

// Every sound the game plays, synthesised from code and normalised: effects peak at -3 dBFS,
// the music at -6 dBFS. The loops repeat without a seam.
namespace sounds {

const double kEffectPeakDb = -3.0;  // dBFS
const double kMusicPeakDb = -6.0;   // dBFS, a little under the effects so that they stand out

// Effects, played once.
synth::Signal step();
synth::Signal jump();
synth::Signal land();
synth::Signal healthPickup();
synth::Signal trapHit();
synth::Signal lose();
synth::Signal win();
synth::Signal click();

// Loops.
synth::Signal healthHum();
synth::Signal slowed();
synth::Signal goalChime();
synth::Signal music();
// The loops a level may choose instead, by their names in kMusicLoops.
synth::Signal musicGlacier();
synth::Signal musicFoundry();

}  // namespace sounds
