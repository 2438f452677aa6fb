#pragma once

#include <GL/glew.h>

// One 2D texture decoded from an image file, always uploaded as 8-bit RGBA with mipmaps.
// A file that cannot be decoded is reported; the texture then exists without an image.
class Texture {
public:
    explicit Texture(const char* fileName);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    void bind(GLint textureUnit) const;
    void unbind() const;

    GLuint id = 0;
    int width = 0;
    int height = 0;
    GLenum type = GL_TEXTURE_2D;
};
