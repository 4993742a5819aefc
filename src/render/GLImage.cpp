#include "render/GLImage.h"

#include <GL/gl.h>

namespace {
std::uint32_t nextTextureName = 1;
}

GLImage::GLImage() { texture_ = nextTextureName++; }

GLImage::~GLImage() {
    if (!uploaded_) return;
    const GLuint name = texture_;
    glDeleteTextures(1, &name);
}

bool GLImage::Read(const std::string& fileName, TgaPixels& pixels, std::string* why) {
    const TgaResult result = ReadTga(fileName, pixels);
    width_ = pixels.width;
    height_ = pixels.height;
    if (result != TgaResult::Ok) {
        if (why != nullptr) *why = DescribeTgaResult(result, pixels);
        texture_ = 0;
        return false;
    }
    name_ = fileName;
    return true;
}

void GLImage::Upload(const TgaPixels& pixels) {
    const GLint format = pixels.bitsPerPixel == 32 ? GL_RGBA : GL_RGB;
    glBindTexture(GL_TEXTURE_2D, texture_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexImage2D(GL_TEXTURE_2D, 0, format, pixels.width, pixels.height, 0,
                 static_cast<GLenum>(format), GL_UNSIGNED_BYTE, pixels.data.data());
    uploaded_ = true;
}

float GLImage::TexCoordV(int y) const { return -Image::TexCoordV(y); }
