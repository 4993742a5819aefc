#include "content/GraphicsTable.h"

#include <algorithm>
#include <fstream>

#include "content/SpriteTableFile.h"
#include "core/Log.h"
#include "core/TextFormat.h"
#include "render/Image.h"
#include "render/Renderer.h"

namespace {

// "*.tga" as a directory search matches it: the name ends in ".tga", in any letter case.
bool IsTgaName(const std::string& name) {
    constexpr std::string_view kExtension = ".tga";
    if (name.size() <= kExtension.size()) return false;
    const std::string_view tail = std::string_view(name).substr(name.size() - kExtension.size());
    return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

std::vector<std::filesystem::path> TgaFilesIn(const std::filesystem::path& directory) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error) && IsTgaName(it->path().filename().string()))
            files.push_back(it->path());
    }
    // A fixed order keeps the log and the image order the same on every machine.
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

GraphicsTable::GraphicsTable(Renderer& renderer, Log& log) : renderer_(renderer), log_(log) {}

GraphicsTable::~GraphicsTable() {
    // Sprites point into the images, so they go first.
    sprites_.clear();
    images_.clear();
}

void GraphicsTable::LoadBase(const std::filesystem::path& base) {
    LoadImageDirectory(base);
    LoadImageDirectory(base / "MapObjects");
    LoadSpriteTable(base / "BWgfx.gtb");
    LoadSpriteTable(base / "BWents.etb");
}

void GraphicsTable::LoadImageDirectory(const std::filesystem::path& directory) {
    for (const auto& path : TgaFilesIn(directory))
        LoadImage(path);
}

void GraphicsTable::LoadImage(const std::filesystem::path& path) {
    std::string why;
    std::unique_ptr<Image> image = renderer_.CreateImage(path.string(), &why);
    if (!image) {
        log_.Line("Couldn't load %s: %s.", Printable(path.string()).c_str(), why.c_str());
        return;
    }
    const std::string fileName = path.filename().string();
    image->SetName(fileName);
    log_.Line("Loaded %s (%d x %d)", fileName.c_str(), image->Width(), image->Height());
    images_.push_back(std::move(image));
}

bool GraphicsTable::LoadSpriteTable(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    const SpriteTableReport report =
        ReadSpriteTable(file, [this](const std::string& imageName, const SpriteLine& line) {
            Image* image = FindImageToCut(imageName);
            if (image == nullptr) {
                log_.Line("Couldn't find %s", Printable(imageName).c_str());
                return;
            }
            auto sprite = std::make_unique<Sprite>();
            sprite->image = image;
            sprite->x1 = line.x1;
            sprite->y1 = line.y1;
            sprite->x2 = line.x2;
            sprite->y2 = line.y2;
            sprite->tx1 = image->TexCoordU(line.x1);
            sprite->ty1 = image->TexCoordV(line.y1);
            sprite->tx2 = image->TexCoordU(line.x2);
            sprite->ty2 = image->TexCoordV(line.y2);
            sprites_.push_back(Entry{line.name, std::move(sprite)});
            log_.Line("Loaded \"%s\" from \"%s\"", Printable(line.name).c_str(),
                      Printable(imageName).c_str());
        });
    LogDamage(path, report);
    return true;
}

void GraphicsTable::LogDamage(const std::filesystem::path& path, const SpriteTableReport& report) {
    const std::string shown = Printable(path.string());
    if (report.unreadLines > 0) {
        log_.Line(
            "The sprite table %s is damaged: skipped %d unreadable line%s, the first is "
            "line %d.",
            shown.c_str(), report.unreadLines, report.unreadLines == 1 ? "" : "s",
            report.firstUnreadLine);
    }
    if (report.sprites == 0) log_.Line("The sprite table %s names no sprites.", shown.c_str());
}

Image* GraphicsTable::FindImageToCut(const std::string& name) const {
    for (const auto& image : images_) {
        if (image->Name() == name) return image.get();
    }
    return nullptr;
}

const Image* GraphicsTable::FindImage(const std::string& name) const {
    return FindImageToCut(name);
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
