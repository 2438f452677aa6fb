#pragma once

#include <string>
#include <vector>

// One picture written in the forms that other tools give their images, so that a test can
// check the game reads each of them as the same pixels.
namespace variants {

// An opaque RGBA picture, 8 bits per channel, rows from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

// Sixteen flat colours in cells of 16 pixels: few enough colours for a 4-bit palette, and
// cells of whole JPEG blocks, so that JPEG only rounds them.
Picture checkerboard();

// Each throws std::runtime_error when the file cannot be written.
void writePlainPng(const Picture& picture, const std::string& path);       // 8-bit RGBA
void writeSixteenBitPng(const Picture& picture, const std::string& path);  // 16-bit RGB
void writePalettePng(const Picture& picture, const std::string& path);     // 4-bit palette
void writeInterlacedPng(const Picture& picture, const std::string& path);  // Adam7, 8-bit RGB
void writeProgressiveJpeg(const Picture& picture, const std::string& path);
void writeCmykJpeg(const Picture& picture, const std::string& path);  // Adobe's inverted CMYK

}  // namespace variants
