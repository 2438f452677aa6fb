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

// A line of information that is no problem (no sound device, say), on standard error:
// standard output holds the game's own lines and nothing else.
template <typename... Parts>
void printNotice(const Parts&... parts) {
    (std::cerr << ... << parts) << std::endl;
}

// Counts one more problem with the game's files (an ERROR or WARNING line at start-up).
void countProblem();

// A line about one of the game's files that is wrong, counted for printProblemCount.
template <typename... Parts>
void printProblem(const Parts&... parts) {
    countProblem();
    printLine(parts...);
}

// A file of nothing but faults would bury the console: past this many warnings about one
// file, a single line counts the rest.
constexpr int kMaxWarningsPerFile = 20;

// The problems counted since the last call, which starts the count again.
int takeProblemCount();

// "N problems in the files above" when any were counted since the last count, and nothing
// otherwise: the lines before the banner would scroll away unseen.
void printProblemCount();

// Folds a possibly multi-line text (an error's message) into one console line.
std::string oneLine(std::string text);
