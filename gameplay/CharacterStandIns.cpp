#include "gameplay/CharacterStandIns.h"

#include <algorithm>
#include <bitset>
#include <cctype>

namespace {

struct Span {
    char32_t first;
    char32_t last;
};
// Found by running the parser's test over every code point.
constexpr Span kTroubling[] = {{0xa1, 0x499}, {0x2c5e, 0x2fff}, {0x3001, 0x3057}, {0xfb26, 0xfefe}};
// The Private Use Area of the Basic Multilingual Plane: three bytes each in UTF-8.
constexpr Span kPrivateUse{0xe000, 0xf8ff};
constexpr std::size_t kPrivateUseCount = kPrivateUse.last - kPrivateUse.first + 1;
const std::size_t kEscapeDigits[] = {4, 8};  // after "\u" and after "\U"

bool within(char32_t c, Span span) {
    return c >= span.first && c <= span.last;
}

bool troubles(char32_t c) {
    return std::any_of(std::begin(kTroubling), std::end(kTroubling),
                       [c](Span span) { return within(c, span); });
}

// The bytes that may follow each lead byte of UTF-8 (Unicode's table of well-formed byte
// sequences): no overlong form, no surrogate, nothing past U+10FFFF.
struct Lead {
    unsigned char first;
    unsigned char last;
    std::size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};
const Lead kLeads[] = {
    {0xc2, 0xdf, 2, 0x80, 0xbf}, {0xe0, 0xe0, 3, 0xa0, 0xbf}, {0xe1, 0xec, 3, 0x80, 0xbf},
    {0xed, 0xed, 3, 0x80, 0x9f}, {0xee, 0xef, 3, 0x80, 0xbf}, {0xf0, 0xf0, 4, 0x90, 0xbf},
    {0xf1, 0xf3, 4, 0x80, 0xbf}, {0xf4, 0xf4, 4, 0x80, 0x8f},
};

struct Decoded {
    char32_t c = 0;
    std::size_t length = 0;  // in bytes; 0 where the bytes are not UTF-8, which the parser refuses
};

Decoded decodeFront(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (byte(0) < 0x80) {
        return {byte(0), 1};
    }
    const auto lead = std::find_if(std::begin(kLeads), std::end(kLeads), [&](const Lead& kind) {
        return byte(0) >= kind.first && byte(0) <= kind.last;
    });
    if (lead == std::end(kLeads) || text.size() < lead->length) {
        return {};
    }
    char32_t c = byte(0) & (0xff >> (lead->length + 1));
    for (std::size_t i = 1; i < lead->length; ++i) {
        const unsigned char low = i == 1 ? lead->secondLow : 0x80;
        const unsigned char high = i == 1 ? lead->secondHigh : 0xbf;
        if (byte(i) < low || byte(i) > high) {
            return {};
        }
        c = (c << 6) | (byte(i) & 0x3f);
    }
    return {c, lead->length};
}

std::string encoded(char32_t c) {
    if (c < 0x80) {
        return std::string(1, static_cast<char>(c));
    }
    const unsigned char leadBits[] = {0, 0, 0xc0, 0xe0, 0xf0};  // by length in bytes
    const std::size_t length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    std::string bytes(length, '\0');
    for (std::size_t i = length - 1; i > 0; --i, c >>= 6) {
        bytes[i] = static_cast<char>(0x80 | (c & 0x3f));
    }
    bytes[0] = static_cast<char>(leadBits[length] | c);
    return bytes;
}

// The character an escape such as "\uE000" at the front of the text stands for, if it is one.
std::optional<char32_t> escapedFront(std::string_view text) {
    if (text.size() < 2 || text[0] != '\\' || (text[1] != 'u' && text[1] != 'U')) {
        return std::nullopt;
    }
    const std::size_t digits = kEscapeDigits[text[1] == 'U'];
    const std::string_view hex = text.substr(2, digits);
    if (hex.size() != digits ||
        !std::all_of(hex.begin(), hex.end(), [](unsigned char c) { return std::isxdigit(c); })) {
        return std::nullopt;
    }
    return static_cast<char32_t>(std::stoul(std::string(hex), nullptr, 16));
}

// The private use characters that a string read from the text could hold of the text's own:
// as themselves, or written as escapes (wherever they stand, to be safe).
std::bitset<kPrivateUseCount> privateUseHeld(std::string_view text) {
    std::bitset<kPrivateUseCount> held;
    for (std::size_t at = 0; at < text.size();) {
        const Decoded decoded = decodeFront(text.substr(at));
        const char32_t c = escapedFront(text.substr(at)).value_or(decoded.c);
        if (within(c, kPrivateUse)) {
            held.set(c - kPrivateUse.first);
        }
        at += std::max<std::size_t>(decoded.length, 1);
    }
    return held;
}

}  // namespace

std::optional<CharacterStandIns> CharacterStandIns::of(std::string_view text) {
    const std::bitset<kPrivateUseCount> held = privateUseHeld(text);
    std::map<char32_t, char32_t> standInFor;  // by the text's own character
    char32_t free = kPrivateUse.first;
    CharacterStandIns standIns;
    for (std::size_t at = 0; at < text.size();) {
        const Decoded decoded = decodeFront(text.substr(at));
        if (decoded.length == 0 || !troubles(decoded.c)) {
            const std::size_t length = std::max<std::size_t>(decoded.length, 1);
            standIns.text.append(text.substr(at, length));
            at += length;
            continue;
        }
        const auto [entry, isNew] = standInFor.try_emplace(decoded.c, 0);
        if (isNew) {
            while (within(free, kPrivateUse) && held[free - kPrivateUse.first]) {
                ++free;
            }
            if (!within(free, kPrivateUse)) {
                return std::nullopt;
            }
            entry->second = free++;
            standIns.originals[entry->second] = decoded.c;
        }
        standIns.text += encoded(entry->second);
        at += decoded.length;
    }
    return standIns;
}

std::string CharacterStandIns::restored(std::string_view fromParser) const {
    std::string text;
    for (std::size_t at = 0; at < fromParser.size();) {
        const Decoded decoded = decodeFront(fromParser.substr(at));
        const std::size_t length = std::max<std::size_t>(decoded.length, 1);
        const auto original = decoded.length == 0 ? originals.end() : originals.find(decoded.c);
        if (original == originals.end()) {
            text.append(fromParser.substr(at, length));
        } else {
            text += encoded(original->second);
        }
        at += length;
    }
    return text;
}
