#include "render/GLFont.h"

#include <GL/gl.h>

#include "render/GlyphAtlas.h"

namespace {
// Font textures are named from the top of the range, far from the image counter that counts up
// from 1, so neither can overwrite the other's texture.
std::uint32_t nextFontTexture = 0x7fffffffu;

void DrawQuad(float left, float top, float right, float bottom, float u1, float v1, float u2,
              float v2) {
    glTexCoord2f(u1, v1);
    glVertex2f(left, top);
    glTexCoord2f(u2, v1);
    glVertex2f(right, top);
    glTexCoord2f(u2, v2);
    glVertex2f(right, bottom);
    glTexCoord2f(u1, v2);
    glVertex2f(left, bottom);
}
}  // namespace

GLFont::GLFont(int height) : Font(height) {}

GLFont::GLFont(int height, const GlyphSet& glyphs) : Font(height) {
    const GlyphAtlas atlas(glyphs.glyphs);
    const float width = static_cast<float>(atlas.Width());
    const float rows = static_cast<float>(atlas.Height());
    for (std::size_t i = 0; i < glyphs.glyphs.size(); ++i) {
        const Glyph& glyph = glyphs.glyphs[i];
        const AtlasCell cell = atlas.Cell(i);
        quads_.push_back(Quad{glyph.offsetX, -glyph.offsetY, glyph.width, glyph.height,
                              static_cast<float>(cell.x) / width, static_cast<float>(cell.y) / rows,
                              static_cast<float>(cell.x + glyph.width) / width,
                              static_cast<float>(cell.y + glyph.height) / rows, glyph.advance});
    }
    texture_ = nextFontTexture--;
    glBindTexture(GL_TEXTURE_2D, texture_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // Glyphs are drawn at whole pixels, texel for pixel.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, atlas.Width(), atlas.Height(), 0, GL_ALPHA,
                 GL_UNSIGNED_BYTE, atlas.Pixels().data());
    glBindTexture(GL_TEXTURE_2D, 0);
}

GLFont::~GLFont() {
    if (texture_ == 0) return;
    const GLuint name = texture_;
    glDeleteTextures(1, &name);
}

const GLFont::Quad* GLFont::Find(char c) const {
    const int index = static_cast<unsigned char>(c) - GlyphSet::kFirst;
    if (index < 0 || static_cast<std::size_t>(index) >= quads_.size()) return nullptr;
    return &quads_[static_cast<std::size_t>(index)];
}

void GLFont::Draw(int x, int y, const std::string& text) const {
    if (texture_ == 0) return;
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBegin(GL_QUADS);
    int pen = x;
    for (const char c : text) {
        const Quad* quad = Find(c);
        if (quad == nullptr) continue;
        const float left = static_cast<float>(pen + quad->left);
        const float top = static_cast<float>(y + quad->top);
        DrawQuad(left, top, left + static_cast<float>(quad->width),
                 top + static_cast<float>(quad->height), quad->u1, quad->v1, quad->u2, quad->v2);
        pen += quad->advance;
    }
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
}

int GLFont::MeasureWidth(const std::string& text) const {
    int width = 0;
    for (const char c : text) {
        const Quad* quad = Find(c);
        if (quad != nullptr) width += quad->advance;
    }
    return width;
}
