#include "editors/MapHistory.h"

#include <utility>

void MapHistory::Do(Game& game, MapChange change) {
    if (change.Empty()) return;
    RunChange(game, change, ChangeWay::Do);
    done_.push_back(std::move(change));
    if (done_.size() > kSteps) done_.pop_front();
    undone_.clear();
}

bool MapHistory::Undo(Game& game) {
    if (done_.empty()) return false;
    RunChange(game, done_.back(), ChangeWay::Undo);
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return true;
}

bool MapHistory::Redo(Game& game) {
    if (undone_.empty()) return false;
    RunChange(game, undone_.back(), ChangeWay::Do);
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return true;
}
