#include "weapons/WeaponFile.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <utility>

#include "core/DataLine.h"
#include "core/StreamBytes.h"
#include "core/TextFormat.h"

namespace {
// Far beyond any real weapon file (a few dozen sections are a few kilobytes); a larger one is
// refused before it is parsed, so a runaway file costs at most this much memory.
constexpr std::size_t kMaxWeaponFileSize = std::size_t{16} * 1024 * 1024;

// "Template" words, in the order they are tried; any other value builds the plain weapon.
constexpr std::array<std::pair<const char*, WeaponKind>, 8> kTemplates{{
    {"GL", WeaponKind::GL},
    {"M4", WeaponKind::M4},
    {"RL", WeaponKind::RL},
    {"SR", WeaponKind::SR},
    {"Platinum", WeaponKind::Platinum},
    {"SG", WeaponKind::SG},
    {"Flamer", WeaponKind::Flamer},
    {"Blaster", WeaponKind::Blaster},
}};

WeaponKind KindOf(const std::string& templateWord) {
    for (const auto& [word, kind] : kTemplates) {
        if (templateWord == word) return kind;
    }
    return WeaponKind::Plain;
}

// "Key=Value": the key ends at the first "=", the value at a second one; nothing is trimmed,
// and a line without "=" is a key with no value.
void StoreKeyLine(const std::string& line, WeaponDef& def) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
        def.keys[line].clear();
        return;
    }
    const std::size_t valueAt = equals + 1;
    const std::size_t valueEnd = line.find('=', valueAt);
    def.keys[line.substr(0, equals)] = line.substr(
        valueAt, valueEnd == std::string::npos ? std::string::npos : valueEnd - valueAt);
}

// The text between the head line's brackets: its first and last characters go, whatever they
// are.
std::string SectionName(const std::string& head) {
    return head.size() < 2 ? std::string() : head.substr(1, head.size() - 2);
}

// The whole of a file opened at its end, or none when it is larger than any weapon file: a file
// that tells its size is refused before anything is read, and for one that cannot, the reading
// stops at the limit.
std::optional<std::vector<std::uint8_t>> ReadWithinLimit(std::ifstream& file) {
    if (file.tellg() > static_cast<std::streamoff>(kMaxWeaponFileSize)) return std::nullopt;
    file.clear();
    file.seekg(0);
    return ReadStreamBytes(file, kMaxWeaponFileSize);
}
}  // namespace

std::vector<WeaponDef> LoadWeaponFile(const std::filesystem::path& path, const WeaponLogLine& log) {
    const std::string shown = Printable(path.string());
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        log(FormatLineF("Unable to load weapon file \"%s\"", shown.c_str()));
        return {};
    }
    const auto bytes = ReadWithinLimit(file);
    if (!bytes) {
        log(FormatLineF("Couldn't load \"%s\": the file is larger than any weapon file.",
                        shown.c_str()));
        return {};
    }
    std::istringstream text(std::string(bytes->begin(), bytes->end()));
    return ReadWeaponFile(text, path.string(), log);
}

std::vector<WeaponDef> ReadWeaponFile(std::istream& in, const std::string& path,
                                      const WeaponLogLine& log) {
    log(FormatLineF("Loading weapons from \"%s\"...", Printable(path).c_str()));
    std::vector<WeaponDef> defs;
    for (std::string line; ReadDataLine(in, line);) {
        // Empty lines, ";" comments and anything else that is no head line are skipped.
        if (line.empty() || line.front() != '[') continue;
        WeaponDef& def = defs.emplace_back();
        def.name = SectionName(line);
        log(FormatLineF("Loading %s...", Printable(def.name).c_str()));
        ReadWeaponSection(in, def);
    }
    return defs;
}

void ReadWeaponSection(std::istream& in, WeaponDef& def) {
    for (std::string line; ReadDataLine(in, line) && line != "[End]";)
        StoreKeyLine(line, def);
    def.kind = KindOf(def.Value("Template"));
}

int FindWeaponDef(const std::vector<WeaponDef>& defs, const std::string& name) {
    for (std::size_t i = 0; i < defs.size(); ++i) {
        if (defs[i].name == name) return static_cast<int>(i);
    }
    return -1;
}
