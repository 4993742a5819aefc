#pragma once

#include <string>

#include "world/MapFile.h"

// The map as text that ReadMapText reads back to the same contents, so building it again
// gives the same file bytes.
std::string WriteMapText(const MapContents& map);
