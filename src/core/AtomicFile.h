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

// Puts a file written beside `path` (a temporary one, closed) in its place the same way: it is
// flushed to disk and renamed over the old file, through links, keeping the old permissions,
// never over a folder or device. On failure `written` is left as it was and `why` says why.
bool ReplaceFileWith(const std::filesystem::path& path, const std::filesystem::path& written,
                     std::string* why = nullptr);

inline bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text,
                                std::string* why = nullptr) {
    return WriteFileAtomically(path, text.data(), text.size(), why);
}
