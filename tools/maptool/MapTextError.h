#pragma once

#include <stdexcept>
#include <string>

// A line of map text that cannot be read; the reader adds the file name and line number.
class MapTextError : public std::runtime_error {
public:
    explicit MapTextError(const std::string& message) : std::runtime_error(message) {}
};
