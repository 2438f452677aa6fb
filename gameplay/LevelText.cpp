#include "gameplay/LevelText.h"

#include <charconv>
#include <cstdio>

namespace {

constexpr int kFormat = 1;
// Enough significant digits for any float to read back through a double as itself.
constexpr int kExactFloatDigits = 9;
constexpr unsigned char kDelete = 0x7f;

bool readsBackAs(const char* first, const char* last, float value) {
    double read = 0.0;
    const auto result = std::from_chars(first, last, read);
    return result.ec == std::errc() && static_cast<float>(read) == value;
}

// Shortest in plain decimals, with a point so that TOML reads a float. The reader takes the
// number as a double and rounds that to a float; should that land elsewhere for the shortest
// text, nine digits cannot.
void appendNumber(std::string& text, float value) {
    char digits[64];
    auto result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    if (!readsBackAs(digits, result.ptr, value)) {
        result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general,
                               kExactFloatDigits);
    }
    const std::string number(digits, result.ptr);
    text += number;
    if (number.find_first_of(".e") == std::string::npos) {
        text += ".0";
    }
}

// A TOML basic string: quotes, backslashes and control characters escaped, any other
// character (UTF-8 included) as it is.
void appendString(std::string& text, const std::string& value) {
    text += '"';
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (byte < 0x20 || byte == kDelete) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", byte);
            text += escape;
        } else {
            text += c;
        }
    }
    text += '"';
}

void appendPoint(std::string& text, glm::vec3 point) {
    text += '[';
    for (int axis = 0; axis < 3; ++axis) {
        if (axis > 0) {
            text += ", ";
        }
        appendNumber(text, point[axis]);
    }
    text += ']';
}

void appendAt(std::string& text, glm::vec3 at) {
    appendPoint(text += "at = ", at);
    text += '\n';
}

void appendLook(std::string& text, const PieceLook& look) {
    if (!look.model.empty()) {
        appendString(text += "model = ", look.model);
        text += '\n';
    }
    if (!look.image.empty()) {
        appendString(text += "image = ", look.image);
        text += '\n';
    }
}

void appendMotion(std::string& text, const PlatformPiece& platform) {
    if (platform.swing) {
        text += platform.swing->axis == 0 ? "swing = { axis = \"x\", amplitude = "
                                          : "swing = { axis = \"z\", amplitude = ";
        appendNumber(text, platform.swing->amplitude);
        text += " }\n";
    }
    if (!platform.path.empty()) {
        text += "path = [";
        for (std::size_t i = 0; i < platform.path.size(); ++i) {
            appendPoint(text += i > 0 ? ", " : "", platform.path[i]);
        }
        appendNumber(text += "]\nspeed = ", platform.speed);
        text += '\n';
    }
    // Only where they differ from none, so that an old level reads back as it was written.
    if (platform.wait != 0.0f) {
        appendNumber(text += "wait = ", platform.wait);
        text += '\n';
    }
    if (platform.phase != 0.0f) {
        appendNumber(text += "phase = ", platform.phase);
        text += '\n';
    }
}

void appendPieces(std::string& text, const char* kind, const std::vector<Piece>& pieces) {
    for (const Piece& piece : pieces) {
        text.append("\n[[").append(kind).append("]]\n");
        appendAt(text, piece.at);
        appendLook(text, piece.look);
    }
}

void appendColour(std::string& text, const char* key, const std::optional<glm::vec3>& colour) {
    if (colour) {
        appendPoint(text.append(key).append(" = "), *colour);
        text += '\n';
    }
}

void appendName(std::string& text, const char* key, const std::string& name) {
    if (!name.empty()) {
        appendString(text.append(key).append(" = "), name);
        text += '\n';
    }
}

// Only for a level that has a look of its own, so that one without reads back as it was.
void appendLevelLook(std::string& text, const LevelLook& look) {
    if (look == LevelLook{}) {
        return;
    }
    text += "\n[look]\n";
    appendColour(text, "sky", look.sky);
    appendColour(text, "sky_top", look.skyTop);
    appendColour(text, "light", look.light);
    appendName(text, "platforms", look.platforms);
    appendName(text, "music", look.music);
}

}  // namespace

std::string leadingComment(std::string_view text) {
    std::string comment;
    while (!text.empty() && text.front() == '#') {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        comment.append(line.substr(0, line.find('\r'))).append("\n");
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return comment;
}

std::string levelText(const Level& level, const std::string& comment) {
    std::string text = comment + "format = " + std::to_string(kFormat) + "\n";
    appendString(text += "name = ", level.name);
    text += "\npar_time = " + std::to_string(level.parTime) + "\n\n[start]\n";
    appendAt(text, level.start);
    // Left out where the start faces the way a level faces without it, as a hand-written one.
    if (level.facing != 0.0f) {
        appendNumber(text += "facing = ", level.facing);
        text += '\n';
    }
    for (const PlatformPiece& platform : level.platforms) {
        text += "\n[[platform]]\n";
        appendAt(text, platform.at);
        appendMotion(text, platform);
        appendLook(text, platform.look);
    }
    appendPieces(text, "trap", level.traps);
    appendPieces(text, "health", level.healthPacks);
    appendPieces(text, "checkpoint", level.checkpoints);
    text += "\n[goal]\n";
    appendAt(text, level.goal);
    appendLevelLook(text, level.look);
    return text;
}
