#pragma once

#include <filesystem>

// Where the game's shipped data is: Base/ beside the executable, as in a build folder, else the
// installed copy at `installedFromBin` (../share/brawlwick/Base) from the executable's folder,
// so a relocated or staged install finds its own data and no other.
std::filesystem::path BaseFolderFor(const std::filesystem::path& executableDirectory,
                                    const std::filesystem::path& installedFromBin);
// The same, with the path the install rules put Base/ at.
std::filesystem::path BaseFolderFor(const std::filesystem::path& executableDirectory);
