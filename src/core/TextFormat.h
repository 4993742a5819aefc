#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

// Longest line the log and the console keep; longer formatted text is cut.
inline constexpr std::size_t kMaxLineLength = 255;

// printf-style formatting into a line of at most kMaxLineLength characters.
std::string FormatLine(const char* format, std::va_list args);
std::string FormatLineF(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Text from a file made fit for a log line: bytes outside printable ASCII, and the backslash,
// become "\xHH", so a garbled name shows what it holds and writes no raw bytes.
std::string Printable(std::string_view text);
