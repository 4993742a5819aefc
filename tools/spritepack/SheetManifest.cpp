#include "SheetManifest.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

std::string SheetSpec::FileName() const {
    return std::filesystem::path(path + ".tga").filename().string();
}

namespace {

[[noreturn]] void Fail(const std::filesystem::path& file, int lineNumber, const std::string& what) {
    throw std::runtime_error(file.string() + ":" + std::to_string(lineNumber) + ": " + what);
}

SheetSpec ReadSheetHead(std::istringstream& words, const std::filesystem::path& file,
                        int lineNumber) {
    SheetSpec sheet;
    if (!(words >> sheet.path >> sheet.table >> sheet.bitsPerPixel))
        Fail(file, lineNumber, "expected: sheet <path> <table> <bits> [pad=<n>]");
    if (sheet.bitsPerPixel != 24 && sheet.bitsPerPixel != 32)
        Fail(file, lineNumber, "bits must be 24 or 32");
    for (std::string option; words >> option;) {
        if (option.rfind("pad=", 0) != 0) Fail(file, lineNumber, "unknown option " + option);
        sheet.padding = std::stoi(option.substr(4));
    }
    return sheet;
}

}  // namespace

std::vector<SheetSpec> ReadSheetManifest(const std::filesystem::path& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::vector<SheetSpec> sheets;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string first;
        if (!(words >> first)) continue;
        if (first == "sheet") {
            sheets.push_back(ReadSheetHead(words, path, lineNumber));
            continue;
        }
        if (sheets.empty()) Fail(path, lineNumber, "sprite names before the first sheet");
        sheets.back().sprites.push_back(first);
        for (std::string name; words >> name;)
            sheets.back().sprites.push_back(name);
    }
    return sheets;
}
