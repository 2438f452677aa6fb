#pragma once

#include <iosfwd>

#include "gameplay/Event.h"
#include "gameplay/RecordRun.h"

// What the HUD shows of an event, in the player's language: the lines that the console prints
// for it, which stay English there, or for an event without console lines its notice (a pad
// coming or going). In English they read as the console's lines.

// Writes the event's lines, each ended with a line end; nothing for an event not shown.
void writeShownLines(std::ostream& out, const Event& event);

// Whether the HUD shows anything of the event.
bool isShown(const Event& event);

// Why a win counts for no record, in English: the results show it in the player's language.
const char* runFaultWords(RunFault fault);
