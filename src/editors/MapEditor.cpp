#include "editors/MapEditor.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Screen.h"
#include "editors/GridSnap.h"
#include "game/Game.h"
#include "input/CursorDevice.h"
#include "input/InputSystem.h"
#include "input/KeyTable.h"
#include "render/Sprite.h"

namespace {
// The camera target moves this many units a step while the cursor touches a screen edge.
constexpr float kEdgeScrollSpeed = 3.0f;
constexpr float kEdge = 2.0f;
// A dragged platform narrower than this, or lower than the drag's least, is not laid.
constexpr float kNarrowestPlatform = 16.0f;

// The end of a drag along one axis: the snapped cursor, or kSmallestDrag from the start on the
// cursor's side when that is nearer.
float DragEnd(float start, float snapped, float cursor) {
    if (std::fabs(snapped - start) >= MapEditor::kSmallestDrag) return snapped;
    return cursor <= start ? start - MapEditor::kSmallestDrag : start + MapEditor::kSmallestDrag;
}

template <typename T>
Placed<T> AtEnd(const std::vector<T>& list, T object) {
    return Placed<T>{list.size(), std::move(object)};
}
}  // namespace

MapEditor::MapEditor(Game& game) : cameraTarget_(camera_.Position()), game_(game) {}

bool MapEditor::Frame(Game& /*game*/) {
    ScrollAtEdges(CursorOnScreen());
    // Scrolled where the camera stood, then eased: the picture trails the camera by a frame.
    game_.ScrollView(camera_.OffsetX(), camera_.OffsetY());
    camera_.Follow(cameraTarget_, game_.Step());
    Draw();
    return closeRequest_;
}

void MapEditor::ScrollAtEdges(Vec2 cursor) {
    const float move = kEdgeScrollSpeed * game_.Step();
    if (cursor.y < kEdge) cameraTarget_.y -= move;
    if (cursor.y > kScreenHeight - kEdge) cameraTarget_.y += move;
    if (cursor.x < kEdge) cameraTarget_.x -= move;
    if (cursor.x > kScreenWidth - kEdge) cameraTarget_.x += move;
}

void MapEditor::OnCommand(Command command) {
    if (command == Command::MapEditor) closeRequest_ = true;
}

namespace {
struct KeyUse {
    int key;
    void (MapEditor::*run)();
};
}  // namespace

void MapEditor::OnKeyDown(int key) {
    static constexpr KeyUse kKeys[] = {
        {Key::kQ, &MapEditor::NextPalette},
        {Key::kW, &MapEditor::NextWeapon},
        {Key::kZ, &MapEditor::Undo},
        {Key::kY, &MapEditor::Redo},
    };
    for (const KeyUse& use : kKeys) {
        if (use.key == key) (this->*use.run)();
    }
}

bool MapEditor::TakesKey(int key) const {
    return key == Key::kQ || key == Key::kW || key == Key::kG || key == Key::kZ || key == Key::kY;
}

void MapEditor::NextPalette() { paletteChoice_ = (paletteChoice_ + 1) % kPaletteSize; }

void MapEditor::NextWeapon() {
    const auto count = static_cast<int>(game_.WeaponDefs().size());
    if (count > 0) weaponChoice_ = (weaponChoice_ + 1) % count;
}

void MapEditor::Undo() {
    if (ControlHeld()) history_.Undo(game_);
}

void MapEditor::Redo() {
    if (ControlHeld()) history_.Redo(game_);
}

const PaletteEntry& MapEditor::Palette() const {
    return MapPalette()[static_cast<std::size_t>(paletteChoice_)];
}

void MapEditor::OnLeftButtonDown() {
    const Vec2 at = CursorInWorld();
    const PaletteEntry& entry = Palette();
    if (entry.placement == Placement::Platform) {
        dragging_ = true;
        dragStart_ = Vec2{SnapToGrid(at.x), SnapToGrid(at.y)};
        return;
    }
    // By placement, in the order of the enumeration; a platform is dragged out instead.
    using Placer = MapChange (MapEditor::*)(const PaletteEntry&, Vec2) const;
    static constexpr Placer kPlacers[] = {nullptr, &MapEditor::SceneryAt, &MapEditor::SpawnPointAt,
                                          &MapEditor::ItemAt, &MapEditor::WeaponAt};
    history_.Do(game_, (this->*kPlacers[static_cast<int>(entry.placement)])(entry, at));
}

void MapEditor::OnLeftButtonUp() {
    if (!dragging_) return;
    dragging_ = false;
    if (Palette().placement == Placement::Platform) LayDraggedPlatform();
}

void MapEditor::LayDraggedPlatform() {
    const Float4 drag = DragRect();
    const Platform platform(std::min(drag.x1, drag.x2), std::min(drag.y1, drag.y2),
                            std::max(drag.x1, drag.x2), std::max(drag.y1, drag.y2));
    const Float4& r = platform.Rect();
    if (r.x2 - r.x1 < kNarrowestPlatform || r.y2 - r.y1 < kSmallestDrag) return;
    MapChange change;
    change.rebuild = MapChange::Rebuild::BoundsAndTree;
    change.platforms.push_back({game_.Map().Platforms().size(), platform});
    history_.Do(game_, std::move(change));
}

// Scenery is no obstacle, so the world keeps its edges; the tree lists it all the same.
MapChange MapEditor::SceneryAt(const PaletteEntry& /*entry*/, Vec2 at) const {
    MapChange change;
    const int position = game_.FindSprite(kScenerySprite);
    const Sprite* sprite = game_.GetView().GetSprite(position);
    if (sprite == nullptr) return change;  // nothing to show
    const float halfWidth = static_cast<float>(sprite->NaturalWidth()) / 2.0f;
    const float halfHeight = static_cast<float>(sprite->NaturalHeight()) / 2.0f;
    Platform scenery(at.x - halfWidth, at.y - halfHeight, at.x + halfWidth, at.y + halfHeight);
    scenery.SetSprite(position, kScenerySprite);
    scenery.SetSolid(false);
    change.rebuild = MapChange::Rebuild::Tree;
    change.platforms.push_back({game_.Map().Platforms().size(), std::move(scenery)});
    return change;
}

MapChange MapEditor::SpawnPointAt(const PaletteEntry& entry, Vec2 at) const {
    MapChange change;
    change.spawnPoints.push_back(
        AtEnd(game_.Map().SpawnPoints(), SpawnPoint{at.x, at.y, entry.value}));
    return change;
}

MapChange MapEditor::ItemAt(const PaletteEntry& entry, Vec2 at) const {
    ItemSpawn item;
    item.SetKind(entry.value);
    item.SetPosition(at);
    MapChange change;
    change.items.push_back(AtEnd(game_.Map().Items(), std::move(item)));
    return change;
}

MapChange MapEditor::WeaponAt(const PaletteEntry& entry, Vec2 at) const {
    const std::vector<WeaponDef>& weapons = game_.WeaponDefs();
    if (weapons.empty()) {
        if (game_.Services().print) game_.Services().print("No weapons loaded.");
        return MapChange{};
    }
    MapChange change = ItemAt(entry, at);
    change.items.back().object.SetWeaponName(
        weapons[static_cast<std::size_t>(weaponChoice_) % weapons.size()].name);
    return change;
}

void MapEditor::OnRightButtonDown() {
    const Vec2 at = CursorInWorld();
    GameMap& map = game_.Map();
    MapChange change;
    change.kind = MapChange::Kind::Removed;
    change.rebuild = MapChange::Rebuild::BoundsAndTree;
    const PlatformList& platforms = map.Platforms();
    for (std::size_t i = 0; i < platforms.size(); ++i) {
        if (platforms[i].ContainsPoint(at.x, at.y)) change.platforms.push_back({i, platforms[i]});
    }
    const std::vector<SpawnPoint>& spawnPoints = map.SpawnPoints();
    for (std::size_t i = 0; i < spawnPoints.size(); ++i) {
        const SpawnPoint& point = spawnPoints[i];
        if (Length(Vec2{point.x, point.y} - at) < kSpawnPointReach)
            change.spawnPoints.push_back({i, point});
    }
    const std::vector<ItemSpawn>& items = map.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (Length(items[i].Position() - at) < kItemReach) change.items.push_back({i, items[i]});
    }
    // A click on nothing still leaves the world fitted to the platforms.
    if (change.Empty()) game_.RecomputeBounds();
    history_.Do(game_, std::move(change));
}

Vec2 MapEditor::CursorOnScreen() const {
    int x = 0;
    int y = 0;
    if (CursorDevice* cursor = game_.Services().cursor) cursor->GetCursorPos(x, y);
    return Vec2{static_cast<float>(x), static_cast<float>(y)};
}

Vec2 MapEditor::CursorInWorld() const {
    const View& view = game_.GetView();
    return CursorOnScreen() +
           Vec2{static_cast<float>(view.OffsetX()), static_cast<float>(view.OffsetY())};
}

Float4 MapEditor::DragRect() const {
    const Vec2 cursor = CursorInWorld();
    return Float4{dragStart_.x, dragStart_.y, DragEnd(dragStart_.x, SnapToGrid(cursor.x), cursor.x),
                  DragEnd(dragStart_.y, SnapToGrid(cursor.y), cursor.y)};
}

bool MapEditor::ControlHeld() const {
    const InputSystem* input = game_.Services().input;
    return input != nullptr &&
           (input->IsKeyDown(Key::kLeftControl) || input->IsKeyDown(Key::kRightControl));
}
