// Builds the game's picture sheets: reads the sheet list, packs the rasterised sprites of each
// sheet into a power-of-two TGA and writes the sprite tables that name them, so the tables
// always agree with the sheets.
//
// Usage: spritepack <sheets.txt> <svg folder> <png folder> <Base folder>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

#include "Picture.h"
#include "SheetManifest.h"
#include "ShelfPacker.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMaxSheetSide = 512;
constexpr int kBleedPasses = 3;

// Every SVG of a sheet's folder must be listed, so no drawing is silently left out.
void CheckEverySourceListed(const SheetSpec& sheet, const fs::path& svgRoot) {
    const std::set<std::string> listed(sheet.sprites.begin(), sheet.sprites.end());
    if (listed.size() != sheet.sprites.size())
        throw std::runtime_error(sheet.path + ": a sprite is listed twice");
    for (const auto& entry : fs::directory_iterator(svgRoot / sheet.path)) {
        if (entry.path().extension() != ".svg") continue;
        if (!listed.count(entry.path().stem().string()))
            throw std::runtime_error(entry.path().string() + " is not listed in the sheet list");
    }
}

std::string PackSheet(const SheetSpec& sheet, const fs::path& pngRoot, const fs::path& base) {
    std::vector<Picture> pictures;
    std::vector<Size> sizes;
    for (const auto& name : sheet.sprites) {
        pictures.push_back(ReadPng(pngRoot / sheet.path / (name + ".png")));
        sizes.push_back(Size{pictures.back().width, pictures.back().height});
    }
    const auto packed = PackShelves(sizes, sheet.padding, kMaxSheetSide);
    if (!packed) throw std::runtime_error(sheet.path + ": the sprites do not fit 512 x 512");

    Picture page(packed->width, packed->height);
    std::ostringstream lines;
    lines << '[' << sheet.FileName() << "]\n";
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const Placement& at = packed->places[i];
        Blit(pictures[i], page, at.x, at.y);
        lines << sheet.sprites[i] << ' ' << at.x << ',' << at.y << ',' << at.x + sizes[i].width
              << ',' << at.y + sizes[i].height << '\n';
    }
    if (sheet.bitsPerPixel == 32) BleedColours(page, kBleedPasses);
    const fs::path target = base / (sheet.path + ".tga");
    fs::create_directories(target.parent_path());
    WriteTga(page, sheet.bitsPerPixel, target);
    std::printf("spritepack: %s %d x %d, %zu sprites\n", target.filename().c_str(), page.width,
                page.height, pictures.size());
    return lines.str();
}

void WriteTable(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <sheets.txt> <svg folder> <png folder> <Base folder>\n",
                     argv[0]);
        return 2;
    }
    try {
        const auto sheets = ReadSheetManifest(argv[1]);
        // Tables keep the order of the sheet list, so the first sprite listed is position 0.
        std::vector<std::string> tableOrder;
        std::map<std::string, std::string> tables;
        for (const auto& sheet : sheets) {
            CheckEverySourceListed(sheet, argv[2]);
            if (!tables.count(sheet.table)) tableOrder.push_back(sheet.table);
            tables[sheet.table] += PackSheet(sheet, argv[3], argv[4]);
        }
        for (const auto& table : tableOrder)
            WriteTable(fs::path(argv[4]) / table, tables[table]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "spritepack: %s\n", error.what());
        return 1;
    }
    return 0;
}
