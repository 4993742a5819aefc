#pragma once

#include <cstdarg>
#include <string>

// Longest line the log and the console keep; longer formatted text is cut.
inline constexpr std::size_t kMaxLineLength = 255;

// printf-style formatting into a line of at most kMaxLineLength characters.
std::string FormatLine(const char* format, std::va_list args);
std::string FormatLineF(const char* format, ...) __attribute__((format(printf, 1, 2)));
