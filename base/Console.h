#pragma once

#include <iostream>
#include <string>
#include <string_view>
#include <type_traits>

// Text that comes from outside the game (a file's name, a level's name, a value read from a
// file) as the game shows it: each control character, which could clear or retitle a
// terminal, and each byte that is not UTF-8, escaped as \x1b (a byte) or \u009b (a C1
// control); the rest, UTF-8 in every script, as it is.
std::string shownText(std::string_view text);
// The same, streamed without building a string.
void writeShown(std::ostream& out, std::string_view text);

// One item of a console line: text as shown, anything else (a number) as the stream writes it.
template <typename Item>
void writeItem(std::ostream& out, const Item& item) {
    if constexpr (std::is_convertible_v<const Item&, std::string_view>) {
        writeShown(out, item);
    } else if constexpr (std::is_same_v<Item, char>) {
        writeShown(out, std::string_view(&item, 1));
    } else {
        out << item;
    }
}

// Every message of the game is one line on standard output, flushed at once so that a
// pipe or a terminal sees it as it happens. The items are streamed one after the other,
// so that printing an event during play builds no string on the heap; each text is shown,
// so that a name from outside cannot steer the terminal.
template <typename... Parts>
void printLine(const Parts&... parts) {
    (writeItem(std::cout, parts), ...);
    std::cout << std::endl;
}

// A line of information that is no problem (no sound device, say), on standard error:
// standard output holds the game's own lines and nothing else.
template <typename... Parts>
void printNotice(const Parts&... parts) {
    (writeItem(std::cerr, parts), ...);
    std::cerr << std::endl;
}

// A text of several lines (a driver's log), each line printed as shown: a line end in the
// text ends a line rather than being shown escaped.
void printLines(std::string_view text);

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
