#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The two folders the game knows: Base/, which the build makes and the game only reads, and the
// player's own, where everything the game writes goes, so that a clean build never loses a
// player's map, animation, name or screenshot. Reading looks in the player's folder first.
class GameFolders {
public:
    // Makes the player's folder when it is missing. None, or one that cannot be made or
    // written, leaves the game nowhere to write, and Problem() says why.
    GameFolders(std::filesystem::path base, std::optional<std::filesystem::path> player);

    // The player's folder: `userDir` when given, else $XDG_DATA_HOME/brawlwick (a relative one
    // does not count), else $HOME/.local/share/brawlwick; none without a home.
    static std::optional<std::filesystem::path> PlayerFolderFor(
        const std::optional<std::string>& userDir, const char* xdgDataHome, const char* home);

    const std::filesystem::path& Base() const { return base_; }
    const std::optional<std::filesystem::path>& Player() const { return player_; }
    // Why nothing can be written; empty when the player's folder is there to write into.
    const std::string& Problem() const { return problem_; }

    // The player's copy of `relative` ("Maps/x.bwm") when there is one, else Base's.
    std::filesystem::path ReadPath(const std::filesystem::path& relative) const;
    // The folders to list for `relative` ("Maps"), the player's first.
    std::vector<std::filesystem::path> ReadFolders(const std::filesystem::path& relative) const;
    // Where to write `relative`, in the player's folder alone, its own folder made; an empty
    // path, and `why`, when it cannot be written there.
    std::filesystem::path WritePath(const std::filesystem::path& relative, std::string& why) const;

private:
    std::string MakePlayerFolder() const;

    std::filesystem::path base_;
    std::optional<std::filesystem::path> player_;
    std::string problem_;
};

// Whether `path` is `folder` or lies somewhere below it, links followed.
bool IsWithin(const std::filesystem::path& path, const std::filesystem::path& folder);
