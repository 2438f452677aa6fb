#pragma once

#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

// The pieces of the game's own small text formats (the records, the replays): lines of fields
// apart by spaces, and numbers that read back as exactly the value written. Reading goes
// through std::from_chars, which knows no locale and allocates nothing.

// Takes the next line off the front of `text`, without its line end (a '\r' before the '\n'
// goes too). False once the text is used up.
bool nextLine(std::string_view& text, std::string_view& line);

// Splits the line into at most `capacity` fields at runs of spaces. Returns how many fields
// there are, or capacity + 1 when there are more.
std::size_t splitFields(std::string_view line, std::string_view* fields, std::size_t capacity);

// A whole field as a finite number in the given form (decimal or hexadecimal, without "0x").
template <typename Real>
bool readReal(std::string_view field, Real& value, std::chars_format format) {
    const char* end = field.data() + field.size();
    const auto [last, error] = std::from_chars(field.data(), end, value, format);
    return error == std::errc() && last == end && std::isfinite(value);
}

// A whole field as an integer in the given base.
template <typename Whole>
bool readWhole(std::string_view field, Whole& value, int base = 10) {
    const char* end = field.data() + field.size();
    const auto [last, error] = std::from_chars(field.data(), end, value, base);
    return error == std::errc() && last == end;
}

// Appends the shortest text that reads back as exactly `value` in that form.
template <typename Real>
void appendReal(std::string& text, Real value, std::chars_format format) {
    char digits[64];
    const auto result = std::to_chars(digits, digits + sizeof digits, value, format);
    text.append(digits, result.ptr);
}
