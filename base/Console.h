#pragma once

#include <iostream>
#include <string>

// Every message of the game is one line on standard output, flushed at once so that a
// pipe or a terminal sees it as it happens. The parts are streamed one after the other,
// so that printing an event during play builds no string on the heap.
template <typename... Parts>
void printLine(const Parts&... parts) {
    (std::cout << ... << parts) << std::endl;
}

// Folds a possibly multi-line text (an error's message) into one console line.
std::string oneLine(std::string text);
