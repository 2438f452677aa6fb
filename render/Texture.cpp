#include "render/Texture.h"

#include <SOIL/SOIL.h>

#include "base/Console.h"

Texture::Texture(const char* fileName) {
    type = GL_TEXTURE_2D;
    unsigned char* image = SOIL_load_image(fileName, &width, &height, nullptr, SOIL_LOAD_RGBA);

    glGenTextures(1, &id);
    glBindTexture(type, id);
    glTexParameteri(type, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(type, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(type, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(type, GL_TEXTURE_MAG_FILTER, GL_LINEAR);

    if (image) {
        glTexImage2D(type, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, image);
        glGenerateMipmap(type);
    } else {
        printLine("ERROR::TEXTURE::TEXTURE_LOADING_FAILED: ", fileName);
    }

    glActiveTexture(GL_TEXTURE0);
    glBindTexture(type, 0);
    if (image) {
        SOIL_free_image_data(image);
    }
}

Texture::~Texture() {
    glDeleteTextures(1, &id);
}

void Texture::bind(GLint textureUnit) const {
    glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(textureUnit));
    glBindTexture(type, id);
}

void Texture::unbind() const {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(type, 0);
}
