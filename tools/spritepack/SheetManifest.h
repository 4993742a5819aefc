#pragma once

#include <filesystem>
#include <string>
#include <vector>

// One picture sheet of the game: which sprites it holds, in table order, and where it goes.
struct SheetSpec {
    std::string path;   // under Base, without ".tga": "Sprites", "MapObjects/Scenery"
    std::string table;  // the sprite table that names its sprites: "BWgfx.gtb" or "BWents.etb"
    int bitsPerPixel = 32;
    int padding = 2;  // transparent pixels kept around every sprite
    std::vector<std::string> sprites;

    // The name the game knows the image by: the file name without its folder.
    std::string FileName() const;
};

// Reads the sheet list. Lines: "sheet <path> <table> <bits> [pad=<n>]" opens a sheet; every
// other line lists sprite names of the open sheet; "#" starts a comment. Throws on errors.
std::vector<SheetSpec> ReadSheetManifest(const std::filesystem::path& path);
