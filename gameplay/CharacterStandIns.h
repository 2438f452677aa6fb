#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

// toml++ 3.3 reaches __builtin_unreachable(), which is undefined behaviour, when it asks
// whether a character from U+00A1 to U+0499, from U+2C5E to U+3057 (but U+3000) or from
// U+FB26 to U+FEFE is whitespace; and it asks of nearly every character outside strings, and
// of some inside. Such characters (accented letters, Greek, Cyrillic, kana) are common in a
// level's name, so rather than refuse them, the parser reads each as a stand-in: a character
// of the Private Use Area that the text holds neither as itself nor as an escape, one for
// each. Whatever text the level then takes from the parser gets the file's own characters
// back. Positions stay as they were: the parser counts columns in characters.
class CharacterStandIns {
public:
    // Nothing in the unlikely case that the text leaves too few private use characters free.
    static std::optional<CharacterStandIns> of(std::string_view text);

    // The text as the parser is to read it.
    const std::string& parsed() const { return text; }

    // A string that the parser took from `parsed()`, with the file's own characters back.
    std::string restored(std::string_view fromParser) const;

private:
    std::string text;
    std::map<char32_t, char32_t> originals;  // by stand-in
};
