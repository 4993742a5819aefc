#pragma once

#include <cstddef>
#include <deque>
#include <vector>

#include "editors/MapChange.h"

class Game;

// The map editor's undo and redo: the last kSteps changes, each taken back and done again
// whole.
class MapHistory {
public:
    static constexpr std::size_t kSteps = 100;

    // Runs the change and keeps it; what was undone before can no longer be redone. An empty
    // change is neither run nor kept.
    void Do(Game& game, MapChange change);
    // False when there is nothing to take back, or to do again.
    bool Undo(Game& game);
    bool Redo(Game& game);

    std::size_t UndoCount() const { return done_.size(); }
    std::size_t RedoCount() const { return undone_.size(); }

private:
    std::deque<MapChange> done_;  // oldest first
    std::vector<MapChange> undone_;
};
