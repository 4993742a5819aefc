#pragma once

#include <filesystem>
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "weapons/WeaponDef.h"

// A line for the log.
using WeaponLogLine = std::function<void(const std::string&)>;

// The weapon file: sections "[Name]" of "Key=Value" lines up to "[End]", in file order. Logs
// what it reads; a file that cannot be opened logs so and gives no sections.
std::vector<WeaponDef> LoadWeaponFile(const std::filesystem::path& path, const WeaponLogLine& log);
// The same from an open stream; `path` only names it in the log.
std::vector<WeaponDef> ReadWeaponFile(std::istream& in, const std::string& path,
                                      const WeaponLogLine& log);
// Reads one section's key lines, up to "[End]" or the end of the input, and sets its kind.
void ReadWeaponSection(std::istream& in, WeaponDef& def);
// Position of the first section of that name, -1 for none.
int FindWeaponDef(const std::vector<WeaponDef>& defs, const std::string& name);
