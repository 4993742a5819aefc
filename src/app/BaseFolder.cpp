#include "app/BaseFolder.h"

#include <system_error>

namespace fs = std::filesystem;

fs::path BaseFolderFor(const fs::path& executableDirectory, const fs::path& installedFromBin) {
    fs::path beside = executableDirectory / "Base";
    std::error_code error;
    if (fs::is_directory(beside, error)) return beside;
    return (executableDirectory / installedFromBin).lexically_normal();
}

fs::path BaseFolderFor(const fs::path& executableDirectory) {
    // The install rules compute the path from their own bin and data folders.
    return BaseFolderFor(executableDirectory, BRAWLWICK_INSTALLED_BASE);
}
