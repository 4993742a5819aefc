#pragma once

#include <stdexcept>
#include <string>

// A line of a tool's text that cannot be read; the reader adds the file name and line number.
class TextError : public std::runtime_error {
public:
    explicit TextError(const std::string& message) : std::runtime_error(message) {}
};
