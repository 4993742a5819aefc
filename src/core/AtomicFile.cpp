#include "core/AtomicFile.h"

#include <unistd.h>

#include <cstdio>
#include <system_error>

namespace {
bool WriteAll(std::FILE* file, const void* data, std::size_t size) {
    if (size > 0 && std::fwrite(data, 1, size, file) != size) return false;
    return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
}
}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = WriteAll(file, data, size);
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (written && closed) {
        std::filesystem::rename(temporary, path, error);
        if (!error) return true;
    }
    std::filesystem::remove(temporary, error);
    return false;
}
