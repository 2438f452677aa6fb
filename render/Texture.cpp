#include "render/Texture.h"

#include <stb_image.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "base/Console.h"
#include "base/FileRead.h"

namespace {

const int kRgbaChannels = 4;
// Decoded, an image takes four bytes a pixel, and as much again on its way to the GL: the
// size is read from the file's header and checked before a byte is decoded.
const long long kMaxImagePixels = 4096LL * 4096LL;
const std::uintmax_t kMaxImageBytes = 64u << 20;
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

// The image as RGBA, or why there is none.
struct DecodedImage {
    std::unique_ptr<unsigned char, void (*)(void*)> pixels{nullptr, stbi_image_free};
    int width = 0;
    int height = 0;
    std::string failure;
};

DecodedImage decode(const char* fileName) {
    DecodedImage image;
    const FileText file = readWholeFile(fileName, kMaxImageBytes, "larger than 64 MiB");
    if (!file.text) {
        image.failure = file.reason;
        return image;
    }
    const auto* bytes = reinterpret_cast<const stbi_uc*>(file.text->data());
    const int length = static_cast<int>(file.text->size());
    int channels = 0;
    if (stbi_info_from_memory(bytes, length, &image.width, &image.height, &channels) == 1 &&
        static_cast<long long>(image.width) * image.height > kMaxImagePixels) {
        image.failure = "larger than 4096x4096 pixels";
        return image;
    }
    image.pixels.reset(
        stbi_load_from_memory(bytes, length, &image.width, &image.height, nullptr, kRgbaChannels));
    if (!image.pixels) {
        image.failure = stbi_failure_reason();
    }
    return image;
}

// The error's line as it always reads; the reason on a line of its own.
void reportFailure(const char* fileName, const std::string& failure) {
    printProblem("ERROR::TEXTURE::TEXTURE_LOADING_FAILED: ", fileName);
    printLine(failure);
}

}  // namespace

TextureSize textureSizeOf(const char* fileName) {
    const DecodedImage image = decode(fileName);
    if (image.pixels) {
        return TextureSize{image.width, image.height};
    }
    reportFailure(fileName, image.failure);
    return TextureSize{kPlaceholderSide, kPlaceholderSide};
}

Texture::Texture(const char* fileName, TexelEncoding encoding)
    : internalFormat(encoding == TexelEncoding::Srgb ? GL_SRGB8_ALPHA8 : GL_RGBA) {
    type = GL_TEXTURE_2D;
    glGenTextures(1, &id);
    glBindTexture(type, id);
    glTexParameteri(type, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(type, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(type, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(type, GL_TEXTURE_MAG_FILTER, GL_LINEAR);

    const DecodedImage image = decode(fileName);
    if (image.pixels) {
        width = image.width;
        height = image.height;
        upload(image.pixels.get());
    } else {
        reportFailure(fileName, image.failure);
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
