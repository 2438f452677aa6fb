#include "render/Texture.h"

#include <stb_image.h>

#include <array>
#include <vector>

#include "base/Console.h"

namespace {

const int kRgbaChannels = 4;
const int kPlaceholderSide = 64;  // pixels
const int kCheckerCell = 8;       // pixels
const std::array<unsigned char, kRgbaChannels> kMagenta = {255, 0, 255, 255};
const std::array<unsigned char, kRgbaChannels> kBlack = {0, 0, 0, 255};

// A magenta checker: a surface whose image failed stands out instead of passing for a
// shadow, as a black texture would.
std::vector<unsigned char> placeholderPixels() {
    std::vector<unsigned char> pixels;
    pixels.reserve(kPlaceholderSide * kPlaceholderSide * kRgbaChannels);
    for (int y = 0; y < kPlaceholderSide; ++y) {
        for (int x = 0; x < kPlaceholderSide; ++x) {
            const bool odd = (x / kCheckerCell + y / kCheckerCell) % 2 != 0;
            const auto& color = odd ? kBlack : kMagenta;
            pixels.insert(pixels.end(), color.begin(), color.end());
        }
    }
    return pixels;
}

}  // namespace

Texture::Texture(const char* fileName, TexelEncoding encoding)
    : internalFormat(encoding == TexelEncoding::Srgb ? GL_SRGB8_ALPHA8 : GL_RGBA) {
    type = GL_TEXTURE_2D;
    glGenTextures(1, &id);
    glBindTexture(type, id);
    glTexParameteri(type, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(type, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(type, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(type, GL_TEXTURE_MAG_FILTER, GL_LINEAR);

    if (unsigned char* image = stbi_load(fileName, &width, &height, nullptr, kRgbaChannels)) {
        upload(image);
        stbi_image_free(image);
    } else {
        // The error's line as it always reads; the decoder's reason on a line of its own.
        printProblem("ERROR::TEXTURE::TEXTURE_LOADING_FAILED: ", fileName);
        printLine(stbi_failure_reason());
        width = kPlaceholderSide;
        height = kPlaceholderSide;
        upload(placeholderPixels().data());
    }

    glActiveTexture(GL_TEXTURE0);
    glBindTexture(type, 0);
}

Texture::~Texture() {
    glDeleteTextures(1, &id);
}

void Texture::upload(const unsigned char* rgba) const {
    glTexImage2D(type, 0, internalFormat, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    glGenerateMipmap(type);
}

void Texture::bind(GLint textureUnit) const {
    glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(textureUnit));
    glBindTexture(type, id);
}

void Texture::unbind() const {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(type, 0);
}
