#pragma once

#include <cstddef>
#include <istream>
#include <string>

// Text data files (sprite tables, the weapon file, the sound table, bot files) hold lines of at
// most this many characters.
inline constexpr std::size_t kMaxDataLine = 254;

// Reads the next line without its line end (LF or CR LF). A longer line keeps its first `limit`
// characters and the rest of it is dropped, so reading goes on at the next line. False only at
// the end of the input with nothing read.
bool ReadDataLine(std::istream& in, std::string& line, std::size_t limit = kMaxDataLine);
