#include "content/GraphicsTable.h"

#include "render/Image.h"
#include "render/Renderer.h"

GraphicsTable::GraphicsTable(Renderer& /*renderer*/) {}

GraphicsTable::~GraphicsTable() {
    // Sprites point into the images, so they go first.
    sprites_.clear();
    images_.clear();
}

const Image* GraphicsTable::FindImage(const std::string& name) const {
    for (const auto& image : images_) {
        if (image->Name() == name) return image.get();
    }
    return nullptr;
}

int GraphicsTable::FindSpriteIndex(const std::string& name) const {
    for (std::size_t i = 0; i < sprites_.size(); ++i) {
        if (sprites_[i].name == name) return static_cast<int>(i);
    }
    return 0;
}

const Sprite* GraphicsTable::GetSprite(int position) const {
    if (position < 0 || position >= SpriteCount()) return nullptr;
    return sprites_[static_cast<std::size_t>(position)].sprite.get();
}
