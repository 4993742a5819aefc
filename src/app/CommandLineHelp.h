#pragma once

#include <optional>
#include <string>
#include <string_view>

// The game's flags in one table: the parser asks it which flags take a name (so "-map
// arena-1024" picks no resolution), and --help prints it, so the two cannot drift apart.

// Whether the word after `flag` is a name of ours (a file, a folder, a map, a game type).
bool TakesAName(std::string_view flag);

// The text --version or --help asks for, to print instead of playing; none for a game.
std::optional<std::string> InformationRequested(int argc, const char* const* argv);
