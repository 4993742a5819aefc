#pragma once

#include <optional>
#include <vector>

// Where each rectangle of a sheet goes.
struct Placement {
    int x = 0;
    int y = 0;
};

struct PackedSheet {
    int width = 0;
    int height = 0;
    std::vector<Placement> places;  // in the order of the sizes given
};

struct Size {
    int width = 0;
    int height = 0;
};

// Packs rectangles in rows, tallest first, into the smallest power-of-two sheet (sides 2 to
// maxSide) that holds them, each with `padding` free pixels on every side. None when they do not
// fit even the largest sheet.
std::optional<PackedSheet> PackShelves(const std::vector<Size>& sizes, int padding, int maxSide);
