#pragma once

#include <memory>
#include <string>
#include <vector>

#include "render/Sprite.h"

class Image;
class Renderer;

// Owns every loaded image and the named sprites cut from them. A sprite's position in the
// table is its handle: callers look a name up once and fetch by position every frame.
class GraphicsTable {
public:
    // Images are made through the renderer once image loading exists.
    explicit GraphicsTable(Renderer& renderer);
    ~GraphicsTable();
    GraphicsTable(const GraphicsTable&) = delete;
    GraphicsTable& operator=(const GraphicsTable&) = delete;

    const Image* FindImage(const std::string& name) const;
    // Position of the first sprite of that name; 0 when no sprite has it.
    int FindSpriteIndex(const std::string& name) const;
    // The sprite at a position; none for -1, for a position past the end, or an empty table.
    const Sprite* GetSprite(int position) const;
    int SpriteCount() const { return static_cast<int>(sprites_.size()); }

private:
    struct Entry {
        std::string name;
        std::unique_ptr<Sprite> sprite;
    };

    std::vector<Entry> sprites_;
    std::vector<std::unique_ptr<Image>> images_;
};
