#pragma once

#include <functional>
#include <string>
#include <vector>

#include <glm/glm.hpp>

// A rectangle of pixels; y grows downwards as in the image file.
struct PixelRect {
    int x, y, width, height;
};

// An RGBA image of floats in [0, 1], written to 8-bit files.
class Canvas {
public:
    // Returns the colour at a point of a region, both coordinates from 0 to 1 across it
    // (t grows downwards), sampled at pixel centres.
    using Painter = std::function<glm::vec4(glm::vec2 st)>;

    explicit Canvas(int size);

    void paint(const Painter& painter) { paint({0, 0, size, size}, painter); }
    void paint(const PixelRect& region, const Painter& painter);

    // Both throw std::runtime_error when the file cannot be written.
    void writePng(const std::string& path) const;
    void writeJpg(const std::string& path, int quality) const;

private:
    bool isOpaque() const;
    std::vector<unsigned char> bytes(int channels) const;

    int size;
    std::vector<glm::vec4> pixels;
};
