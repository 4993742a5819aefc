#pragma once

#include "core/Float4.h"
#include "core/Vec2.h"
#include "editors/MapHistory.h"
#include "editors/MapPalette.h"
#include "game/Camera.h"
#include "game/Editor.h"

class Game;

// Edits the running match's map in place with the mouse and a few keys: drag out platforms,
// drop scenery, spawn points and items, delete what lies under the cursor, undo and redo. The
// match resumes on the edited map when it closes.
class MapEditor final : public Editor {
public:
    explicit MapEditor(Game& game);

    // Scrolls at the screen edges, eases the camera and draws the map as the editor shows it.
    bool Frame(Game& game) override;
    // F12 again closes the editor.
    void OnCommand(Command command) override;
    // Q cycles the palette, W the weapon of weapon items; Control with Z undoes, with Y redoes.
    void OnKeyDown(int key) override;
    void OnLeftButtonDown() override;
    void OnLeftButtonUp() override;
    // Deletes every platform under the cursor and the spawn points and items near it.
    void OnRightButtonDown() override;
    bool TakesKey(int key) const override;

    const PaletteEntry& Palette() const;
    int PaletteChoice() const { return paletteChoice_; }
    int WeaponChoice() const { return weaponChoice_; }
    bool Dragging() const { return dragging_; }
    const Camera& GetCamera() const { return camera_; }
    Vec2 CameraTarget() const { return cameraTarget_; }
    const MapHistory& History() const { return history_; }

    // A spawn point closer than this to a right click goes, and an item closer than the other.
    static constexpr float kSpawnPointReach = 6.0f;
    static constexpr float kItemReach = 16.0f;
    // A platform being dragged out is never thinner than this.
    static constexpr float kSmallestDrag = 24.0f;

private:
    // The cursor in the picture's pixels, and in the world as the last frame scrolled it.
    Vec2 CursorOnScreen() const;
    Vec2 CursorInWorld() const;
    // From the drag's start to the snapped cursor, widened to kSmallestDrag on a side that
    // is thinner; not ordered.
    Float4 DragRect() const;
    bool ControlHeld() const;

    void ScrollAtEdges(Vec2 cursor);
    // What a click with a palette entry lays at a world point; nothing is an empty change.
    MapChange SceneryAt(const PaletteEntry& entry, Vec2 at) const;
    MapChange SpawnPointAt(const PaletteEntry& entry, Vec2 at) const;
    MapChange ItemAt(const PaletteEntry& entry, Vec2 at) const;
    MapChange WeaponAt(const PaletteEntry& entry, Vec2 at) const;
    void LayDraggedPlatform();
    void NextPalette();
    void NextWeapon();
    void Undo();
    void Redo();

    void Draw() const;
    void DrawSpawnPoints() const;
    void DrawItems() const;
    void DrawCursorGuides() const;
    void DrawWorldEdges() const;
    void DrawTexts() const;

    bool dragging_ = false;
    Vec2 dragStart_;
    int weaponChoice_ = 0;
    int paletteChoice_ = 0;
    Camera camera_;  // starts on the first screen of the world
    Vec2 cameraTarget_;
    bool closeRequest_ = false;
    Game& game_;
    MapHistory history_;
};
