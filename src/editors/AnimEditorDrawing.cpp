// What the animation editor shows: in edit mode the frame with the one before it faintly behind,
// the ground, the picked joint, the titles and the buttons; in preview the playing figure and
// its speed.
#include "core/Screen.h"
#include "editors/AnimEditor.h"
#include "editors/AnimEditorButtons.h"
#include "render/Renderer.h"
#include "render/Sprite.h"

namespace {
constexpr Colour kInk{0, 0, 0, 255};
constexpr Colour kOnion{200, 200, 200, 255};
constexpr Colour kGround{255, 0, 0, 150};
// The feet of a standing figure rest here, 12 units below its origin.
constexpr float kGroundY = AnimEditor::kOrigin.y + 12.0f * AnimEditor::kZoom;
constexpr int kTitleBottom = 50;
constexpr int kFrameLineBottom = 100;
constexpr std::uint8_t kOpaque = 255;
}  // namespace

void AnimEditor::Draw() const {
    if (preview_) {
        DrawPreviewMode();
    } else {
        DrawEditMode();
    }
}

void AnimEditor::DrawEditMode() const {
    Renderer& renderer = view_.GetRenderer();
    if (FrameCount() > 0) {
        WithFigure([&](const auto& figure) {
            if (figure.onion) figure.onion->Draw(view_, kOnion);
            figure.pose.Draw(view_, kInk);
        });
    }
    if (!upper_) view_.DrawLine(Vec2{0.0f, kGroundY}, Vec2{kScreenWidth, kGroundY}, kGround);
    if (const Sprite* mark = view_.GetSprite(selectionSprite_); mark && FrameCount() > 0) {
        const Vec2 joint = WithFigure([&](const auto& figure) {
            return figure.pose.Point(static_cast<std::size_t>(joint_));
        });
        renderer.DrawSpriteScaled(*mark, joint.x, joint.y, 1.0f, 1.0f, kOpaque, 0.0f);
    }
    renderer.DrawStringCentred(titleFont_.get(), 0, kTitleBottom, kScreenWidth, kFrameLineBottom,
                               kInk, "Frame %d/%d", frame_ + 1, FrameCount());
    const char* name =
        upper_ ? UpperAnimationSet::Name(animation_) : LowerAnimationSet::Name(animation_);
    renderer.DrawStringCentred(titleFont_.get(), 0, 0, kScreenWidth, kTitleBottom, kInk, "%s",
                               name);
    DrawButtons(renderer, buttonFont_.get(), Cursor());
}

void AnimEditor::DrawPreviewMode() const {
    if (FrameCount() > 0) WithFigure([&](const auto& figure) { figure.pose.Draw(view_, kInk); });
    view_.GetRenderer().DrawStringCentred(titleFont_.get(), 0, 0, kScreenWidth, kTitleBottom, kInk,
                                          "Speed: %f", static_cast<double>(Speed()));
}
