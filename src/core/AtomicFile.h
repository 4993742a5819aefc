#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

// Replaces a file's whole content without ever leaving it half-written: the bytes go to a
// temporary file in the same directory, are flushed to disk, and the temporary file is then
// renamed over the old one. On any failure the old file is untouched and false comes back.
bool WriteFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size);

inline bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text) {
    return WriteFileAtomically(path, text.data(), text.size());
}
