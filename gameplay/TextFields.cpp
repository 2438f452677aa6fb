#include "gameplay/TextFields.h"

#include <algorithm>

bool nextLine(std::string_view& text, std::string_view& line) {
    if (text.empty()) {
        return false;
    }
    const std::size_t end = text.find('\n');
    line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return true;
}

std::size_t splitFields(std::string_view line, std::string_view* fields, std::size_t capacity) {
    std::size_t count = 0;
    while (true) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string_view::npos) {
            return count;
        }
        if (count == capacity) {
            return capacity + 1;
        }
        line.remove_prefix(start);
        const std::size_t end = std::min(line.find(' '), line.size());
        fields[count++] = line.substr(0, end);
        line.remove_prefix(end);
    }
}
