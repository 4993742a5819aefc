#include "app/Preferences.h"

#include <fstream>

#include "core/AtomicFile.h"

std::string ReadPlayerName(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return kDefaultPlayerName;
    std::string name;
    char c = 0;
    while (name.size() < kMaxPlayerNameLength && file.get(c) && c != '\n')
        name += c;
    if (!name.empty() && name.back() == '\r') name.pop_back();
    // A name is text: anything after a stray NUL byte would never have been seen.
    const auto nul = name.find('\0');
    if (nul != std::string::npos) name.resize(nul);
    return name;
}

bool WritePlayerName(const std::filesystem::path& path, const std::string& name, std::string* why) {
    return WriteFileAtomically(path, name + "\n", why);
}
