#include "render/Fxaa.h"

namespace {

const char* const kFragmentFile = "assets/shaders/fxaaFragment.glsl";
const GLint kFrameUnit = 0;

}  // namespace

Fxaa::Fxaa(int versionMajor, int versionMinor, bool srgbTarget)
    : pass(versionMajor, versionMinor, {kFragmentFile}),
      storage(srgbTarget ? GL_SRGB8_ALPHA8 : GL_RGBA8) {
    pass.program.set1i(kFrameUnit, "frame");
}

Fxaa::~Fxaa() {
    releaseTarget();
}

void Fxaa::begin(int newWidth, int newHeight) {
    if (newWidth != width || newHeight != height) {
        releaseTarget();
        width = newWidth;
        height = newHeight;
        makeTarget();
    }
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
}

void Fxaa::finish() const {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glBindTextureUnit(kFrameUnit, colourAsStored);
    pass.draw();
    glBindTextureUnit(kFrameUnit, 0);
    glEnable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

// The pass reads between pixels (filtered) and never from a smaller copy (no mipmaps).
void Fxaa::makeTarget() {
    glCreateTextures(GL_TEXTURE_2D, 1, &colour);
    glTextureStorage2D(colour, 1, storage, width, height);
    glGenTextures(1, &colourAsStored);
    glTextureView(colourAsStored, GL_TEXTURE_2D, colour, GL_RGBA8, 0, 1, 0, 1);
    for (const GLuint texture : {colour, colourAsStored}) {
        glTextureParameteri(texture, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTextureParameteri(texture, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTextureParameteri(texture, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTextureParameteri(texture, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
    glCreateRenderbuffers(1, &depthStencil);
    glNamedRenderbufferStorage(depthStencil, GL_DEPTH24_STENCIL8, width, height);
    glCreateFramebuffers(1, &framebuffer);
    glNamedFramebufferTexture(framebuffer, GL_COLOR_ATTACHMENT0, colour, 0);
    glNamedFramebufferRenderbuffer(framebuffer, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                                   depthStencil);
}

void Fxaa::releaseTarget() {
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteRenderbuffers(1, &depthStencil);
    glDeleteTextures(1, &colourAsStored);
    glDeleteTextures(1, &colour);
    framebuffer = depthStencil = colourAsStored = colour = 0;
}
