// Shows a picture as a player with protanopia or deuteranopia sees it, to check that what the
// game tells apart by colour it tells apart by shape as well.
//
//   smeltrun-colourblind IN.png OUT
//
// writes OUT-protanopia.png and OUT-deuteranopia.png. The simulation is Machado, Oliveira and
// Fernandes' (2009) at full severity: a 3x3 matrix applied to linear RGB.
#include <stb_image.h>
#include <stb_image_write.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using Matrix = std::array<std::array<float, 3>, 3>;

const Matrix kProtanopia = {{{0.152286f, 1.052583f, -0.204868f},
                             {0.114503f, 0.786281f, 0.099216f},
                             {-0.003882f, -0.048116f, 1.051998f}}};
const Matrix kDeuteranopia = {{{0.367322f, 0.860646f, -0.227968f},
                               {0.280085f, 0.672501f, 0.047413f},
                               {-0.011820f, 0.042940f, 0.968881f}}};
const int kChannels = 3;

float toLinear(unsigned char value) {
    const float c = value / 255.0f;
    return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}

unsigned char toSrgb(float linear) {
    const float c = std::clamp(linear, 0.0f, 1.0f);
    const float encoded = c <= 0.0031308f ? c * 12.92f : 1.055f * std::pow(c, 1.0f / 2.4f) - 0.055f;
    return static_cast<unsigned char>(std::lround(encoded * 255.0f));
}

bool writeSimulated(const unsigned char* pixels, int width, int height, const Matrix& matrix,
                    const std::string& path) {
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    std::unique_ptr<unsigned char[]> seen(new unsigned char[count * kChannels]);
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* in = pixels + i * kChannels;
        const float rgb[kChannels] = {toLinear(in[0]), toLinear(in[1]), toLinear(in[2])};
        for (int row = 0; row < kChannels; ++row) {
            const float value =
                matrix[row][0] * rgb[0] + matrix[row][1] * rgb[1] + matrix[row][2] * rgb[2];
            seen[i * kChannels + static_cast<size_t>(row)] = toSrgb(value);
        }
    }
    return stbi_write_png(path.c_str(), width, height, kChannels, seen.get(), width * kChannels) !=
           0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: smeltrun-colourblind IN.png OUT\n");
        return 2;
    }
    int width = 0, height = 0;
    std::unique_ptr<unsigned char, void (*)(void*)> pixels(
        stbi_load(argv[1], &width, &height, nullptr, kChannels), stbi_image_free);
    if (!pixels) {
        std::fprintf(stderr, "%s: %s\n", argv[1], stbi_failure_reason());
        return 1;
    }
    const std::string out = argv[2];
    const bool written =
        writeSimulated(pixels.get(), width, height, kProtanopia, out + "-protanopia.png") &&
        writeSimulated(pixels.get(), width, height, kDeuteranopia, out + "-deuteranopia.png");
    if (!written) {
        std::fprintf(stderr, "%s: cannot write the pictures\n", out.c_str());
        return 1;
    }
    return 0;
}
