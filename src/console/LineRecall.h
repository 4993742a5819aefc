#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

// The lines entered at the console, newest last, for Up and Down to bring back. Stepping back
// keeps the half-typed line, and stepping forward past the newest line returns it.
class LineRecall {
public:
    // Older lines are forgotten beyond this many.
    static constexpr std::size_t kMostLines = 100;

    // An entered line; empty lines and a repeat of the newest one are not kept twice.
    void Remember(const std::string& line);
    // The line before the one shown, or none at the oldest; `typing` is what the input line
    // holds, kept when stepping back from it.
    std::optional<std::string> Older(const std::string& typing);
    // The line after the one shown, the kept half-typed line after the newest, or none when
    // not stepping through the lines.
    std::optional<std::string> Newer();
    // Back to the line being typed, which starts empty.
    void Rewind();

private:
    std::deque<std::string> lines_;
    std::size_t shown_ = 0;  // lines_.size() while the input line is the one being typed
    std::string typing_;
};
