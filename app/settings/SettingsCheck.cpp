#include "app/settings/SettingsCheck.h"

#include <ini.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <string_view>

#include "app/settings/SettingsKeys.h"
#include "base/Console.h"

namespace {

const std::string_view kByteOrderMark = "\xEF\xBB\xBF";
const std::string_view kCommentStarts = ";#";  // inih's comment prefixes at a line's start

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The file handed to inih a piece at a time, as fgets would, so that every value inih reports
// is known to come from the line just read. inih reads a line longer than its buffer in
// pieces; they keep their line's number.
class SettingsScan {
public:
    SettingsScan(std::string path, std::string text)
        : path(std::move(path)), text(std::move(text)) {}

    static char* read(char* buffer, int size, void* self) {
        return static_cast<SettingsScan*>(self)->nextPiece(buffer, size);
    }

    static int take(void* self, const char* section, const char* name, const char*) {
        static_cast<SettingsScan*>(self)->onValue(section, name);
        return 1;
    }

    // A file of nothing but faults is told in a screenful, and how much more there was.
    void countTheRest() const {
        if (warnings > kMaxWarningsPerFile) {
            printProblem("WARNING::SETTINGS::MORE_WARNINGS: ", path, ": ",
                         warnings - kMaxWarningsPerFile, " more");
        }
    }

private:
    template <typename... Parts>
    void warn(const Parts&... parts) {
        if (++warnings <= kMaxWarningsPerFile) {
            printProblem(parts...);
        }
    }

    char* nextPiece(char* buffer, int size) {
        if (at >= text.size() || size < 2) {
            return nullptr;
        }
        const size_t lineEnd = std::min(text.find('\n', at), text.size() - 1) + 1;
        const size_t length = std::min(lineEnd - at, static_cast<size_t>(size) - 1);
        std::memcpy(buffer, text.data() + at, length);
        buffer[length] = '\0';
        const std::string_view piece(text.data() + at, length);
        const bool startsFile = at == 0;
        at += length;
        line += startsLine ? 1 : 0;
        startsLine = piece.back() == '\n';
        look(startsFile && piece.substr(0, kByteOrderMark.size()) == kByteOrderMark
                 ? piece.substr(kByteOrderMark.size())
                 : piece);
        return buffer;
    }

    // What inih will make of the piece, by its own rules: a comment, the continuation of
    // the last value (an indented line after a key of the section), or a section header.
    void look(std::string_view piece) {
        const std::string_view content = trimmed(piece);
        continues = false;
        if (content.empty() || kCommentStarts.find(content.front()) != std::string_view::npos) {
            return;
        }
        continues = keyInSection && isBlank(piece.front());
        if (continues || content.front() != '[') {
            return;
        }
        const size_t close = content.find(']');
        if (close == std::string_view::npos) {
            return;  // not a header: inih refuses the line
        }
        keyInSection = false;
        const std::string_view name = content.substr(1, close - 1);
        if (trimmed(name).size() != name.size()) {
            warn("WARNING::SETTINGS::SPACED_SECTION: ", path, ":", line);
        }
    }

    void onValue(const char* section, const char* name) {
        if (continues) {
            warn("WARNING::SETTINGS::CONTINUED_LINE: ", path, ":", line);
            return;
        }
        keyInSection = true;
        if (trimmed(section).size() != std::strlen(section)) {
            return;  // its header's warning stands for it
        }
        const bool first = seen.insert(lowered(section) + "." + lowered(name)).second;
        if (!isKnownSettingKey(section, name)) {
            if (first) {
                warn("WARNING::SETTINGS::UNKNOWN_KEY: ", section, ".", name);
            }
        } else if (!first) {
            warn("WARNING::SETTINGS::DUPLICATE_KEY: ", section, ".", name);
        }
    }

    const std::string path;
    const std::string text;
    size_t at = 0;
    int line = 0;
    bool startsLine = true;
    bool keyInSection = false;  // inih continues only the value of a key under the same header
    bool continues = false;
    std::set<std::string> seen;
    int warnings = 0;
};

}  // namespace

void warnAboutSettingsText(const std::string& path, std::string text) {
    SettingsScan scan(path, std::move(text));
    ini_parse_stream(SettingsScan::read, &scan, SettingsScan::take, &scan);
    scan.countTheRest();
}
