#pragma once

#include "core/Float4.h"
#include "core/Screen.h"
#include "core/Vec2.h"
#include "render/Colour.h"

class GraphicsTable;
class Renderer;
struct Sprite;

// The window onto the world: the renderer and the integer scroll offset that world drawing
// subtracts. The visible world rectangle is the offset plus the screen.
class View {
public:
    static constexpr float kWidth = kScreenWidth;
    static constexpr float kHeight = kScreenHeight;

    View(Renderer& renderer, const GraphicsTable* sprites)
        : renderer_(renderer), sprites_(sprites) {}

    Renderer& GetRenderer() const { return renderer_; }
    // None for -1, for an unknown position, or when no sprite table was given.
    const Sprite* GetSprite(int position) const;

    void SetOffset(int x, int y) {
        offsetX_ = x;
        offsetY_ = y;
    }
    int OffsetX() const { return offsetX_; }
    int OffsetY() const { return offsetY_; }
    // Whether a world rectangle overlaps the visible area; touching counts.
    bool Sees(const Float4& rect) const;
    // A world rectangle or point moved into screen coordinates.
    Float4 ToScreen(const Float4& rect) const;
    Vec2 ToScreen(Vec2 point) const;
    // A line between two world points, one colour at both ends.
    void DrawLine(Vec2 a, Vec2 b, Colour colour) const;

private:
    Renderer& renderer_;
    const GraphicsTable* sprites_;
    int offsetX_ = 0;
    int offsetY_ = 0;
};
