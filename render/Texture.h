#pragma once

#include <GL/glew.h>

// How a texture's bytes stand for values. A colour image's are sRGB, which the enhanced look
// reads as linear light (GL_SRGB8_ALPHA8); a specular map's, and every texture of the classic
// look, are taken as they are.
enum class TexelEncoding { Plain, Srgb };

// One 2D texture decoded from an image file (any PNG or JPEG that stb_image reads), always
// uploaded as 8-bit RGBA with mipmaps. A file that cannot be decoded is reported with the
// decoder's reason, and the texture then holds a magenta checker.
// The size of the image in the file as a Texture takes it, found without the GL: the
// checker's for a file that cannot be decoded, after the lines that a Texture prints of it.
struct TextureSize {
    int width = 0;
    int height = 0;
};
TextureSize textureSizeOf(const char* fileName);

class Texture {
public:
    explicit Texture(const char* fileName, TexelEncoding encoding = TexelEncoding::Plain);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    void bind(GLint textureUnit) const;
    void unbind() const;

    GLuint id = 0;
    int width = 0;
    int height = 0;
    GLenum type = GL_TEXTURE_2D;
    GLint internalFormat = GL_RGBA;

private:
    // `rgba` holds width x height pixels; the bound texture takes them and its mipmaps.
    void upload(const unsigned char* rgba) const;
};
