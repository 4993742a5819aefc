#include "core/Log.h"

#include "core/TextFormat.h"

void Log::Open(const std::filesystem::path& path) {
    file_.open(path, std::ios::out | std::ios::trunc);
}

void Log::Line(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    LineV(format, args);
    va_end(args);
}

void Log::LineV(const char* format, std::va_list args) {
    if (format == nullptr || *format == '\0' || !file_.is_open()) return;
    file_ << FormatLine(format, args) << '\n';
    file_.flush();
}
