#pragma once

#include <string>

// Every message of the game is one line on standard output, flushed at once so that a
// pipe or a terminal sees it as it happens.
void printLine(const std::string& line);

// Folds a possibly multi-line text (an error's message) into one console line.
std::string oneLine(std::string text);
