#pragma once

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

// Collects what the game writes to std::cout while it lives, so tests can assert exact lines.
class StdoutCapture {
public:
    StdoutCapture() : previous(std::cout.rdbuf(buffer.rdbuf())) {}
    ~StdoutCapture() { std::cout.rdbuf(previous); }
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    std::string text() const { return buffer.str(); }
    std::vector<std::string> lines() const;
    void clear() { buffer.str(""); }

private:
    std::ostringstream buffer;
    std::streambuf* previous;
};

// Splits text into its lines; a final line without a line end counts too.
std::vector<std::string> splitLines(const std::string& text);
