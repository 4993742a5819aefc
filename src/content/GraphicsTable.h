#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "render/Sprite.h"

class Image;
class Log;
class Renderer;
struct SpriteTableReport;

// Owns every loaded image and the named sprites cut from them. A sprite's position in the
// table is its handle: callers look a name up once and fetch by position every frame.
class GraphicsTable {
public:
    // Images are made through the renderer; loading is reported to the log.
    GraphicsTable(Renderer& renderer, Log& log);
    ~GraphicsTable();
    GraphicsTable(const GraphicsTable&) = delete;
    GraphicsTable& operator=(const GraphicsTable&) = delete;

    // Loads every "*.tga" file of the folder (not of its subfolders), named by its file name.
    void LoadImageDirectory(const std::filesystem::path& directory);
    // Cuts the sprites a table names out of the images loaded so far; false when the file
    // cannot be opened. An empty table, or lines that do not read, are said in the log.
    bool LoadSpriteTable(const std::filesystem::path& path);
    // Everything the game draws, from a Base folder: the images of it and of its MapObjects
    // folder, then BWgfx.gtb before BWents.etb, so the first wins a name both give.
    void LoadBase(const std::filesystem::path& base);

    const Image* FindImage(const std::string& name) const;
    // Position of the first sprite of that name; 0 when no sprite has it.
    int FindSpriteIndex(const std::string& name) const;
    // The sprite at a position; none for -1, for a position past the end, or an empty table.
    const Sprite* GetSprite(int position) const;
    int SpriteCount() const { return static_cast<int>(sprites_.size()); }
    int ImageCount() const { return static_cast<int>(images_.size()); }

private:
    struct Entry {
        std::string name;
        std::unique_ptr<Sprite> sprite;
    };

    void LoadImage(const std::filesystem::path& path);
    // Says in the log when a table is empty or has lines that do not read.
    void LogDamage(const std::filesystem::path& path, const SpriteTableReport& report);
    Image* FindImageToCut(const std::string& name) const;

    std::vector<Entry> sprites_;
    std::vector<std::unique_ptr<Image>> images_;
    Renderer& renderer_;
    Log& log_;
};
