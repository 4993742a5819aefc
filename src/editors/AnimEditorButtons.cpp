#include "editors/AnimEditorButtons.h"

#include <array>

#include "render/Renderer.h"
#include "world/RectRelations.h"

namespace {
constexpr std::array<EditorButton, 7> kButtons = {{
    {{160, 520, 240, 550}, "Save", Command::SaveAnimations},
    {{250, 480, 350, 510}, "Add Frame", Command::AddFrame},
    {{360, 480, 480, 510}, "Delete Frame", Command::DeleteFrame},
    {{360, 520, 480, 550}, "Clear Frames", Command::ClearFrames},
    {{490, 520, 610, 550}, "Cycle Anims", Command::NextAnimation},
    {{50, 520, 150, 550}, "<<<", Command::PrevFrame},
    {{650, 520, 750, 550}, ">>>", Command::NextFrame},
}};

constexpr Colour kInk{0, 0, 0, 255};
constexpr Colour kFaintInk{0, 0, 0, 150};
}  // namespace

std::span<const EditorButton> AnimEditorButtons() { return kButtons; }

const EditorButton* ButtonAt(Vec2 point) {
    for (const EditorButton& button : kButtons) {
        if (RectContains(button.rect, point.x, point.y)) return &button;
    }
    return nullptr;
}

// Under the cursor the outline fades and the text darkens, so the button looks pressed in.
void DrawButtons(Renderer& renderer, const Font* font, Vec2 cursor) {
    for (const EditorButton& button : kButtons) {
        const bool over = RectContains(button.rect, cursor.x, cursor.y);
        const Float4& r = button.rect;
        renderer.DrawRectOutline(r.x1, r.y1, r.x2, r.y2, over ? kFaintInk : kInk);
        renderer.DrawStringCentred(font, static_cast<int>(r.x1), static_cast<int>(r.y1),
                                   static_cast<int>(r.x2), static_cast<int>(r.y2),
                                   over ? kInk : kFaintInk, "%s", button.text);
    }
}
