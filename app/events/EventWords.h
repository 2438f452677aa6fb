#pragma once

#include <iosfwd>
#include <optional>

#include "audio/Cue.h"
#include "gameplay/Event.h"
#include "gameplay/RecordRun.h"

// How the game tells an event, each kind by its one row of a table: the lines the console
// prints, the HUD's lines and the effect the sound plays.
//
// The console's lines are English as first defined, byte for byte. The HUD shows the same
// lines in the player's language (in English they read as the console's, its empty line
// aside), or for an event without console lines its notice (a pad coming or going, a
// screenshot).

// Writes the event's console lines to `out`, each ended with std::endl; allocates nothing.
void writeLines(std::ostream& out, const Event& event);

// Whether writeLines writes anything for the event.
bool hasLines(const Event& event);

// Writes the event's HUD lines, each ended with a line end; nothing for an event not shown.
void writeShownLines(std::ostream& out, const Event& event);

// Whether the HUD shows anything of the event.
bool isShown(const Event& event);

// The effect the event sets off, if it has one.
std::optional<Cue> cueOf(const Event& event);

// Why a win counts for no record, in English: the results show it in the player's language.
const char* runFaultWords(RunFault fault);
