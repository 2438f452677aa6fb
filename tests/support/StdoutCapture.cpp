#include "tests/support/StdoutCapture.h"

std::vector<std::string> StdoutCapture::lines() const {
    return splitLines(text());
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}
