#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Replaces a file's whole content without ever leaving it half-written: the bytes go to a
// temporary file beside it, are flushed to disk, and the temporary file is then renamed over
// the old one. A symbolic link is written through to its target, and the old file's permissions
// are kept. A device, pipe, socket or folder is never replaced. On any failure the old file is
// untouched, false comes back and `why` (when given) says what was wrong.
bool WriteFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size,
                         std::string* why = nullptr);

inline bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text,
                                std::string* why = nullptr) {
    return WriteFileAtomically(path, text.data(), text.size(), why);
}
