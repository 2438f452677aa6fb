#include "render/FrameCapture.h"

#include <GL/glew.h>
#include <stb_image_write.h>

#include <string>
#include <vector>

namespace {

const int kChannels = 3;

// The back buffer's pixels, rows from the top as an image keeps them.
std::vector<unsigned char> readFrame(int width, int height) {
    const size_t rowBytes = static_cast<size_t>(width) * kChannels;
    std::vector<unsigned char> pixels(rowBytes * static_cast<size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    // GL's rows run bottom to top; an image's top to bottom.
    std::vector<unsigned char> flipped(pixels.size());
    for (int row = 0; row < height; ++row) {
        const auto source = pixels.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
        std::copy(source, source + static_cast<std::ptrdiff_t>(rowBytes),
                  flipped.begin() + static_cast<std::ptrdiff_t>((height - 1 - row) * rowBytes));
    }
    return flipped;
}

void appendBytes(void* text, void* data, int size) {
    static_cast<std::string*>(text)->append(static_cast<const char*>(data),
                                            static_cast<size_t>(size));
}

}  // namespace

bool saveFramePng(const std::string& path, int width, int height) {
    const std::vector<unsigned char> pixels = readFrame(width, height);
    return stbi_write_png(path.c_str(), width, height, kChannels, pixels.data(),
                          width * kChannels) != 0;
}

std::string framePng(int width, int height) {
    const std::vector<unsigned char> pixels = readFrame(width, height);
    std::string png;
    if (stbi_write_png_to_func(appendBytes, &png, width, height, kChannels, pixels.data(),
                               width * kChannels) == 0) {
        png.clear();
    }
    return png;
}
