#include "gameplay/TomlWords.h"

#include <array>

namespace {

// toml++ 3.3's descriptions begin "Error while parsing <what>: <why>".
constexpr std::string_view kRedefine = "cannot redefine existing ";

// The name between the first pair of quotes, as toml++ quotes a key.
std::string_view quoted(std::string_view text) {
    const std::size_t open = text.find('\'');
    const std::size_t close = text.rfind('\'');
    return open == std::string_view::npos || close <= open
               ? std::string_view()
               : text.substr(open + 1, close - open - 1);
}

bool has(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// A key or a table given again: "existing array 'at'", "existing table 'start'", "existing
// table 'platform' as array-of-tables", "existing array 'goal' as table".
std::string givenTwice(std::string_view description) {
    const std::string name(quoted(description));
    if (has(description, "as array-of-tables")) {
        return "[" + name + "] is one table, so [[" + name + "]] cannot add another";
    }
    if (has(description, "as table")) {
        return "[[" + name + "]] is a list of tables, so [" + name + "] cannot be one";
    }
    if (has(description, "table header")) {
        return "[" + name + "] is given twice";
    }
    return name + " is given twice";
}

struct Wording {
    std::string_view where;  // what toml++ was reading
    std::string_view why;    // the start of what went wrong
    std::string_view words;
};

constexpr std::string_view kValueWords =
    "a value needs to be a number, a \"string\", a [list] or an { inline table }";

constexpr std::array<Wording, 11> kWordings{{
    {"table header", "expected ']'", "a table's name needs its closing ] (or ]]) on its line"},
    {"array", "encountered end-of-file", "a list needs its closing ]"},
    {"array", "expected comma or closing ']'", "a list needs a comma between its values"},
    {"inline table", "expected key or closing '}'",
     "an inline table needs its closing } on the same line"},
    {"inline table", "expected comma or closing '}'",
     "an inline table needs a comma between its keys"},
    {"string", "unescaped control characters", "a string needs its closing \" on the same line"},
    {"literal string", "control characters", "a string needs its closing ' on the same line"},
    {"value", "could not determine value type", kValueWords},
    {"boolean", "expected '", kValueWords},  // text without quotes that starts with t or f
    {"floating-point", "expected decimal digit",
     "a number needs a digit on each side of its point, such as 1.0 or 0.5"},
    {"key-value pair", "expected a comment or whitespace",
     "only a comment may follow a value on its line"},
}};

}  // namespace

std::string tomlErrorInFormatWords(std::string_view description) {
    if (has(description, kRedefine)) {
        return givenTwice(description);
    }
    constexpr std::string_view kLead = "Error while parsing ";
    for (const Wording& wording : kWordings) {
        const std::string lead = std::string(kLead).append(wording.where).append(": ");
        if (description.substr(0, lead.size()) == lead &&
            description.substr(lead.size(), wording.why.size()) == wording.why) {
            return std::string(wording.words);
        }
    }
    return std::string(description);
}
