#include "Canvas.h"

#include <stb_image_write.h>

#include <algorithm>
#include <stdexcept>

namespace {

const float kByteMax = 255.0f;

unsigned char toByte(float value) {
    return static_cast<unsigned char>(glm::clamp(value, 0.0f, 1.0f) * kByteMax + 0.5f);
}

}  // namespace

Canvas::Canvas(int size) : size(size), pixels(static_cast<size_t>(size * size), glm::vec4(1.0f)) {}

void Canvas::paint(const PixelRect& region, const Painter& painter) {
    for (int y = 0; y < region.height; ++y) {
        for (int x = 0; x < region.width; ++x) {
            const glm::vec2 st((x + 0.5f) / region.width, (y + 0.5f) / region.height);
            const size_t at = static_cast<size_t>((region.y + y) * size + region.x + x);
            pixels[at] = painter(st);
        }
    }
}

void Canvas::writePng(const std::string& path) const {
    // An image without transparency leaves out its alpha channel: a quarter less to inflate
    // while the game starts.
    const int channels = isOpaque() ? 3 : 4;
    if (!stbi_write_png(path.c_str(), size, size, channels, bytes(channels).data(),
                        size * channels)) {
        throw std::runtime_error("cannot write " + path);
    }
}

void Canvas::writeJpg(const std::string& path, int quality) const {
    const int channels = 3;
    if (!stbi_write_jpg(path.c_str(), size, size, channels, bytes(channels).data(), quality)) {
        throw std::runtime_error("cannot write " + path);
    }
}

bool Canvas::isOpaque() const {
    return std::all_of(pixels.begin(), pixels.end(),
                       [](const glm::vec4& pixel) { return toByte(pixel.a) == 255; });
}

std::vector<unsigned char> Canvas::bytes(int channels) const {
    std::vector<unsigned char> out;
    out.reserve(pixels.size() * static_cast<size_t>(channels));
    for (const glm::vec4& pixel : pixels) {
        for (int c = 0; c < channels; ++c) {
            out.push_back(toByte(pixel[c]));
        }
    }
    return out;
}
