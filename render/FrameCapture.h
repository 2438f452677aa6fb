#pragma once

#include <string>

// Writes the frame last drawn into the window (the back buffer, which the swap keeps) as an
// RGB PNG of the given size in pixels. False when the file cannot be written.
bool saveFramePng(const std::string& path, int width, int height);

// The same frame as the bytes of a PNG file; empty when it cannot be encoded.
std::string framePng(int width, int height);
