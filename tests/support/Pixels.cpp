#include "tests/support/Pixels.h"

#include <GL/glew.h>

#include <cstdlib>

namespace {

const std::array<int, 3> kSky = {51, 51, 76};  // (0.2, 0.2, 0.3) in bytes
const int kTolerance = 2;

}  // namespace

std::array<int, 3> pixelAt(int x, int y) {
    std::array<unsigned char, 4> pixel{};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
    return {pixel[0], pixel[1], pixel[2]};
}

Frame framePixels(int width, int height) {
    Frame pixels(3 * static_cast<size_t>(width) * static_cast<size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

bool isSky(const std::array<int, 3>& pixel) {
    for (int channel = 0; channel < 3; ++channel) {
        if (std::abs(pixel[channel] - kSky[channel]) > kTolerance) {
            return false;
        }
    }
    return true;
}
