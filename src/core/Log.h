#pragma once

#include <cstdarg>
#include <filesystem>
#include <fstream>

// Log.txt: one formatted, flushed line per call, so the file is complete even after a crash.
class Log {
public:
    Log() = default;
    explicit Log(const std::filesystem::path& path) { Open(path); }

    void Open(const std::filesystem::path& path);
    void Close() { file_.close(); }
    bool IsOpen() const { return file_.is_open(); }

    void Line(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void LineV(const char* format, std::va_list args);

private:
    std::ofstream file_;
};
