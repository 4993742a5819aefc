// What the map editor shows each frame: the map as it stands, the cursor's guides and the
// palette. Drawing reads the editor and the map and changes neither.
#include <array>
#include <cstddef>

#include "editors/GridSnap.h"
#include "editors/MapEditor.h"
#include "game/Game.h"
#include "input/InputSystem.h"
#include "input/KeyTable.h"
#include "render/Renderer.h"
#include "weapons/PowerUp.h"
#include "world/View.h"

namespace {
// By team: none, red, blue.
constexpr std::array<Colour, 3> kSpawnPointColours = {
    {{100, 100, 100, 100}, {255, 0, 0, 100}, {0, 0, 255, 100}}};
constexpr float kSpawnPointHalfSize = 3.0f;
constexpr std::uint8_t kItemAlpha = 200;
constexpr Colour kDragEdge{0, 0, 0, 100};
constexpr Colour kGuide{255, 0, 0, 200};
// Far enough to cross any screen the editor shows.
constexpr float kGuideReach = 999999.0f;
constexpr Colour kWorldEdge{255, 0, 0, 255};
constexpr Colour kText{0, 0, 0, 255};

void DrawOutline(const View& view, const Float4& world, Colour colour) {
    const Float4 r = view.ToScreen(world);
    view.GetRenderer().DrawRectOutline(r.x1, r.y1, r.x2, r.y2, colour);
}
}  // namespace

void MapEditor::Draw() const {
    const View& view = game_.GetView();
    const InputSystem* input = game_.Services().input;
    if (game_.Tree() && input && input->IsKeyDown(Key::kG)) game_.Map().DrawTree(view, true);
    game_.Map().Draw(view);
    DrawSpawnPoints();
    DrawItems();
    if (dragging_) DrawOutline(view, DragRect(), kDragEdge);
    if (Palette().placement == Placement::Platform) DrawCursorGuides();
    DrawOutline(view, game_.Bounds(), kWorldEdge);
    DrawTexts();
}

void MapEditor::DrawSpawnPoints() const {
    for (const SpawnPoint& point : game_.SpawnPoints()) {
        // A team the map file made up is shown as no team.
        const auto team = static_cast<std::size_t>(point.team);
        const Colour colour =
            team < kSpawnPointColours.size() ? kSpawnPointColours[team] : kSpawnPointColours[0];
        DrawOutline(game_.GetView(),
                    Float4{point.x - kSpawnPointHalfSize, point.y - kSpawnPointHalfSize,
                           point.x + kSpawnPointHalfSize, point.y + kSpawnPointHalfSize},
                    colour);
    }
}

void MapEditor::DrawItems() const {
    for (const ItemSpawn& item : game_.Map().Items())
        DrawItemInEditor(item, game_.GetView(), game_, kItemAlpha);
}

// Through the end of the drag, which is the snapped cursor until a drag widens it.
void MapEditor::DrawCursorGuides() const {
    Vec2 at = CursorInWorld();
    at = Vec2{SnapToGrid(at.x), SnapToGrid(at.y)};
    if (dragging_) {
        const Float4 drag = DragRect();
        at = Vec2{drag.x2, drag.y2};
    }
    const View& view = game_.GetView();
    view.DrawLine(Vec2{-kGuideReach, at.y}, Vec2{kGuideReach, at.y}, kGuide);
    view.DrawLine(Vec2{at.x, -kGuideReach}, Vec2{at.x, kGuideReach}, kGuide);
}

void MapEditor::DrawTexts() const {
    Renderer& renderer = game_.GetView().GetRenderer();
    const Font* font = game_.LargeFont();
    const std::size_t undo = history_.UndoCount();
    if (undo > 0) {
        renderer.DrawString(font, 5, 8, kText, "%s    Undo: %zu", Palette().name, undo);
    } else {
        renderer.DrawString(font, 5, 8, kText, "%s", Palette().name);
    }
    const std::vector<WeaponDef>& weapons = game_.WeaponDefs();
    if (Palette().placement == Placement::Weapon && !weapons.empty()) {
        const WeaponDef& weapon = weapons[static_cast<std::size_t>(weaponChoice_) % weapons.size()];
        renderer.DrawString(font, 5, 32, kText, "%s", weapon.name.c_str());
    }
    renderer.DrawString(font, 600, 8, kText, "Platform Count: %zu", game_.Map().Platforms().size());
}
