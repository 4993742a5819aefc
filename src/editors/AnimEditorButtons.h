#pragma once

#include <span>

#include "core/Float4.h"
#include "core/Vec2.h"
#include "input/Command.h"

class Font;
class Renderer;

// A labelled rectangle of the animation editor that sends a command when clicked.
struct EditorButton {
    Float4 rect;  // screen pixels
    const char* text;
    Command command;
};

// The editor's buttons in the order a click tries them.
std::span<const EditorButton> AnimEditorButtons();

// The first button under the point, edges included, or none.
const EditorButton* ButtonAt(Vec2 point);
// Every button, darkened where the cursor is over it.
void DrawButtons(Renderer& renderer, const Font* font, Vec2 cursor);
