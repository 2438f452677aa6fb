#pragma once

#include <GL/glew.h>

#include "render/FullScreenPass.h"

// Anti-aliasing after the fact, which software rendering can afford where multisampling
// halves the frame rate: the scene is drawn into one colour target of the drawable's size,
// and one pass of fast approximate anti-aliasing takes it into the window's framebuffer.
class Fxaa {
public:
    // An sRGB target keeps the enhanced look's light in 8 bits as the sRGB framebuffer would.
    Fxaa(int versionMajor, int versionMinor, bool srgbTarget);
    ~Fxaa();
    Fxaa(const Fxaa&) = delete;
    Fxaa& operator=(const Fxaa&) = delete;

    // Draws into the target from here on, made anew whenever the size changes.
    void begin(int width, int height);
    // Takes the target through the pass into the window's framebuffer, over all of it, and
    // draws there from then on. The pass writes its values as they are: the caller keeps
    // GL_FRAMEBUFFER_SRGB off for it.
    void finish() const;

private:
    void makeTarget();
    void releaseTarget();

    FullScreenPass pass;
    GLenum storage;
    int width = 0;  // pixels; none until the first frame
    int height = 0;
    GLuint framebuffer = 0;
    GLuint colour = 0;
    GLuint colourAsStored = 0;  // a view of the colour that reads its bytes undecoded
    GLuint depthStencil = 0;
};
