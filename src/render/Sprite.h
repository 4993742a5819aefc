#pragma once

class Image;

// A named piece of an Image: its texture coordinates and its pixel rectangle.
struct Sprite {
    Image* image = nullptr;
    float tx1 = 0.0f;
    float ty1 = 0.0f;
    float tx2 = 0.0f;
    float ty2 = 0.0f;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    int NaturalWidth() const { return x2 - x1; }
    int NaturalHeight() const { return y2 - y1; }
};
