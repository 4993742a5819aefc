#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

// One line of the sound table: a file in Base/Sound/ and how many copies of it may sound at
// once, as written (the sound system decides what a count of 0, a negative or a huge one gets).
struct SoundTableLine {
    std::string fileName;
    int copies = 1;                     // held within a million either way
    std::string copiesAsWritten = "1";  // the count's text, for messages about it
};

// Longest file name kept; a longer name is cut to this.
inline constexpr std::size_t kMaxSoundFileName = 39;

// A line that names a sound: "name copies", copies 1 when absent. None for an empty line, a
// comment (";" first) or a line of blanks.
std::optional<SoundTableLine> ParseSoundTableLine(std::string_view line);

// Every line of the table that names a sound, in order; lines are cut at kMaxDataLine.
void ReadSoundTable(std::istream& in, const std::function<void(const SoundTableLine&)>& onLine);
