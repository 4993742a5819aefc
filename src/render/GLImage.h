#pragma once

#include <string>

#include "render/Image.h"
#include "render/TgaFile.h"

// An Image held as an OpenGL texture. Texture names come from a program-wide counter (not from
// glGenTextures), one per image made, whether its file loads or not.
class GLImage final : public Image {
public:
    GLImage();
    ~GLImage() override;
    GLImage(const GLImage&) = delete;
    GLImage& operator=(const GLImage&) = delete;

    // Reads the file; the size is kept even when the file is then refused. On failure the
    // texture name becomes 0 and `why` (when given) says what was wrong.
    bool Read(const std::string& fileName, TgaPixels& pixels, std::string* why);
    // Uploads what Read returned under this image's texture name; needs a current context.
    void Upload(const TgaPixels& pixels);

    // Rows are uploaded bottom-up as the file stores them, and the texture repeats, so -y/height
    // samples row y counted from the top.
    float TexCoordV(int y) const override;

private:
    bool uploaded_ = false;
};
