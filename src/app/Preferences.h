#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

inline constexpr const char* kDefaultPlayerName = "Player";
// Longest name the preferences file gives back.
inline constexpr std::size_t kMaxPlayerNameLength = 254;

// The player's name is the first line of the preferences file (at most 254 characters).
// A missing or unreadable file gives the default name; an empty first line gives "".
std::string ReadPlayerName(const std::filesystem::path& path);

// Replaces the file with the name and a line end. The new text goes to a temporary file that is
// then renamed over the old one, so a crash or a full disk never loses the old name.
// Returns false (the old file untouched) when writing failed, and says why in `why`.
bool WritePlayerName(const std::filesystem::path& path, const std::string& name,
                     std::string* why = nullptr);
