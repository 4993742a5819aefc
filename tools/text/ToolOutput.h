#pragma once

#include <cstdint>
#include <string>
#include <vector>

// How the tools end a command: a message naming the file, the built bytes saved whole or not at
// all, and printed output that really reached its reader. Each returns the exit status.
int FailWith(const std::string& path, const std::string& why);
int SaveBuilt(const std::string& path, const std::vector<std::uint8_t>& bytes);
int PrintOutput(const std::string& path, const std::string& text);
