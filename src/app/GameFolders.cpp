#include "app/GameFolders.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace {
namespace fs = std::filesystem;

bool Set(const char* value) { return value != nullptr && *value != '\0'; }

// Only a plain name below the folder, so that no caller's path leaves it.
bool StaysInside(const fs::path& relative) {
    return !relative.empty() && relative.is_relative() &&
           std::none_of(relative.begin(), relative.end(),
                        [](const fs::path& part) { return part == ".."; });
}
}  // namespace

bool IsWithin(const fs::path& path, const fs::path& folder) {
    std::error_code error;
    const fs::path inner = fs::weakly_canonical(fs::absolute(path, error), error);
    if (error) return false;
    const fs::path outer = fs::weakly_canonical(fs::absolute(folder, error), error);
    if (error) return false;
    const fs::path relative = inner.lexically_relative(outer);
    return !relative.empty() && *relative.begin() != "..";
}

GameFolders::GameFolders(fs::path base, std::optional<fs::path> player)
    : base_(std::move(base)), player_(std::move(player)) {
    problem_ = MakePlayerFolder();
}

std::string GameFolders::MakePlayerFolder() const {
    if (!player_) return "HOME is not set, so there is no player folder";
    const std::string shown = player_->string();
    // Base/ is rebuilt at will; a player's files there would be lost with it.
    if (IsWithin(*player_, base_))
        return "the player folder " + shown + " is inside " + base_.string();
    std::error_code error;
    fs::create_directories(*player_, error);
    if (error) return "cannot make the player folder " + shown + ": " + error.message();
    if (::access(player_->c_str(), W_OK | X_OK) != 0)
        return "cannot write into the player folder " + shown + ": " + std::strerror(errno);
    return {};
}

fs::path GameFolders::ReadPath(const fs::path& relative) const {
    if (player_ && StaysInside(relative)) {
        fs::path own = *player_ / relative;
        std::error_code error;
        if (fs::exists(own, error)) return own;
    }
    return base_ / relative;
}

std::vector<fs::path> GameFolders::ReadFolders(const fs::path& relative) const {
    std::vector<fs::path> folders;
    if (player_) folders.push_back(*player_ / relative);
    folders.push_back(base_ / relative);
    return folders;
}

fs::path GameFolders::WritePath(const fs::path& relative, std::string& why) const {
    if (!problem_.empty()) {
        why = problem_;
        return {};
    }
    if (!StaysInside(relative)) {
        why = relative.string() + " is no name inside the player folder";
        return {};
    }
    fs::path path = *player_ / relative;
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (error) {
        why = "cannot make " + path.parent_path().string() + ": " + error.message();
        return {};
    }
    return path;
}

std::optional<fs::path> GameFolders::PlayerFolderFor(const std::optional<std::string>& userDir,
                                                     const char* xdgDataHome, const char* home) {
    if (userDir && !userDir->empty()) {
        std::error_code error;  // the first log line says where it is, wherever started from
        fs::path given = fs::absolute(*userDir, error).lexically_normal();
        if (error) return fs::path(*userDir);
        return given.has_filename() ? given : given.parent_path();  // "dir/" is "dir"
    }
    // The desktop's rule: a relative data folder is ignored.
    if (Set(xdgDataHome) && fs::path(xdgDataHome).is_absolute())
        return fs::path(xdgDataHome) / "brawlwick";
    if (Set(home)) return fs::path(home) / ".local" / "share" / "brawlwick";
    return std::nullopt;
}
