#include "base/Console.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace {

int problemCount = 0;

constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7f;
constexpr unsigned char kContinuationMask = 0xc0;
constexpr unsigned char kContinuationBits = 0x80;
constexpr unsigned char kPayloadMask = 0x3f;  // a continuation byte's bits of the code point
constexpr char32_t kFirstC1 = 0x80;
constexpr char32_t kLastC1 = 0x9f;
const char* const kHexDigits = "0123456789abcdef";

// How a UTF-8 sequence may begin: its lead bytes, its length, the range of its second byte
// (which refuses overlong forms, surrogates and code points past U+10FFFF) and the lead's
// bits of the code point.
struct SequenceKind {
    unsigned char firstLead;
    unsigned char lastLead;
    std::size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
    unsigned char leadBits;
};
constexpr SequenceKind kSequences[] = {
    {0xc2, 0xdf, 2, 0x80, 0xbf, 0x1f}, {0xe0, 0xe0, 3, 0xa0, 0xbf, 0x0f},
    {0xe1, 0xec, 3, 0x80, 0xbf, 0x0f}, {0xed, 0xed, 3, 0x80, 0x9f, 0x0f},
    {0xee, 0xef, 3, 0x80, 0xbf, 0x0f}, {0xf0, 0xf0, 4, 0x90, 0xbf, 0x07},
    {0xf1, 0xf3, 4, 0x80, 0xbf, 0x07}, {0xf4, 0xf4, 4, 0x80, 0x8f, 0x07},
};

struct Decoded {
    std::size_t length;  // 0 for a byte that begins no sequence
    char32_t codePoint;
};

unsigned char byteAt(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]);
}

// The sequence of more than one byte that begins at `at`, if it is whole and well formed.
Decoded decodeAt(std::string_view text, std::size_t at) {
    const unsigned char lead = byteAt(text, at);
    for (const SequenceKind& kind : kSequences) {
        if (lead < kind.firstLead || lead > kind.lastLead) {
            continue;
        }
        if (text.size() - at < kind.length || byteAt(text, at + 1) < kind.secondLow ||
            byteAt(text, at + 1) > kind.secondHigh) {
            return {0, 0};
        }
        char32_t codePoint = static_cast<char32_t>(lead & kind.leadBits);
        for (std::size_t i = 1; i < kind.length; ++i) {
            const unsigned char next = byteAt(text, at + i);
            if ((next & kContinuationMask) != kContinuationBits) {
                return {0, 0};
            }
            codePoint = (codePoint << 6) | static_cast<char32_t>(next & kPayloadMask);
        }
        return {kind.length, codePoint};
    }
    return {0, 0};
}

void writeEscape(std::ostream& out, const char* prefix, unsigned value) {
    out << prefix << kHexDigits[(value >> 4) & 0xf] << kHexDigits[value & 0xf];
}

// How many bytes from `at` on are shown as they are.
std::size_t shownRun(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size()) {
        const unsigned char byte = byteAt(text, end);
        if (byte >= kFirstPrintable && byte < kDelete) {
            ++end;
            continue;
        }
        const Decoded decoded = byte > kDelete ? decodeAt(text, end) : Decoded{0, 0};
        if (decoded.length > 0 && (decoded.codePoint < kFirstC1 || decoded.codePoint > kLastC1)) {
            end += decoded.length;
            continue;
        }
        break;
    }
    return end - at;
}

}  // namespace

void writeShown(std::ostream& out, std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t run = shownRun(text, at);
        out.write(text.data() + at, static_cast<std::streamsize>(run));
        at += run;
        if (at == text.size()) {
            break;
        }
        const Decoded decoded = decodeAt(text, at);
        if (decoded.length > 0) {  // a C1 control
            writeEscape(out, "\\u00", static_cast<unsigned>(decoded.codePoint));
            at += decoded.length;
        } else {
            writeEscape(out, "\\x", byteAt(text, at));
            ++at;
        }
    }
}

std::string shownText(std::string_view text) {
    std::ostringstream shown;
    writeShown(shown, text);
    return shown.str();
}

void printLines(std::string_view text) {
    while (true) {
        const std::size_t end = text.find('\n');
        printLine(text.substr(0, end));
        if (end == std::string_view::npos) {
            return;
        }
        text.remove_prefix(end + 1);
    }
}

void countProblem() {
    ++problemCount;
}

int takeProblemCount() {
    return std::exchange(problemCount, 0);
}

void printProblemCount() {
    const int count = takeProblemCount();
    if (count > 0) {
        printLine(count, count == 1 ? " problem" : " problems", " in the files above");
    }
}

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}
