#include "render/FrameCapture.h"

#include <GL/glew.h>
#include <stb_image_write.h>

#include <vector>

namespace {

const int kChannels = 3;

}  // namespace

bool saveFramePng(const std::string& path, int width, int height) {
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
    return stbi_write_png(path.c_str(), width, height, kChannels, flipped.data(),
                          static_cast<int>(rowBytes)) != 0;
}
