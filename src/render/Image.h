#pragma once

#include <cstdint>
#include <string>

// A texture made by the Renderer from a TGA file; owned by whoever asked for it.
class Image {
public:
    virtual ~Image() = default;

    // Texture coordinates of a pixel column or row.
    virtual float TexCoordU(int x) const;
    virtual float TexCoordV(int y) const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::string& Name() const { return name_; }
    // The graphics table names an image by its file name alone.
    void SetName(const std::string& name) { name_ = name; }
    std::uint32_t TextureName() const { return texture_; }

protected:
    int width_ = 0;
    int height_ = 0;
    std::string name_ = "Unknown";
    std::uint32_t texture_ = 0;
};
