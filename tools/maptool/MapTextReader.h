#pragma once

#include <istream>
#include <optional>
#include <string>

#include "world/MapFile.h"

struct MapTextResult {
    std::optional<MapContents> contents;  // none when the text was refused
    std::string error;                    // "<file>:<line>: <what>"
};

// Reads a map written as text, one record a line:
//   name TEXT                    world LEFT TOP RIGHT BOTTOM
//   platform X1 Y1 X2 Y2 [SPRITE]  scenery X1 Y1 X2 Y2 [SPRITE]
//   spawn X Y [red|blue]         item KIND [WEAPON] X Y
// '#' starts a comment. Platforms keep their order, scenery among them. The first fault
// refuses the whole text; `fileName` only labels the error.
MapTextResult ReadMapText(std::istream& in, const std::string& fileName);
