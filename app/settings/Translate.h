#pragma once

#include <filesystem>
#include <string>

// The game's own words in the player's language. The code writes every text of the HUD and
// the panels in English, wrapped in tr() where it is shown; po/update collects the wrapped
// texts into po/smeltrun.pot, from which each language's catalogue (po/de.po) is translated.
// The console stays English in every language: its lines never pass through here.

// The translation of `english` into the player's language, or `english` itself where there is
// none or no language was chosen. A format keeps its arguments, which the compiler checks
// against the English.
__attribute__((format_arg(1))) const char* tr(const char* english);

// Marks a text of a table for the catalogue without translating it: the table is built before
// the player's language is known, and tr() translates the text where it is shown.
constexpr const char* N_(const char* english) {
    return english;
}

// A translated format with its values put in, its floating-point numbers with the decimal sign
// of the player's language.
__attribute__((format(printf, 1, 2))) std::string formatted(const char* format, ...);

// The decimal sign of the player's language, "." in English.
const char* decimalSign();

// Takes the player's language from the environment (LANGUAGE, else LC_ALL, LC_MESSAGES or LANG)
// and its catalogue from `folder` (folder/LANGUAGE/LC_MESSAGES/smeltrun.mo). Without a
// catalogue for the language the game stays English, silently.
void translateFrom(const std::filesystem::path& folder);
// Back to the English of the code.
void stopTranslating();

// Where the game whose executable is `executable` finds its catalogues: beside its data when
// installed, else where the build puts them beside the executable.
std::filesystem::path catalogueFolder(const std::filesystem::path& executable);
