#pragma once

#include <optional>

#include "arena/ObjectState.h"

class Arena;
class View;

// A projectile or particle: lives in the match's list, moves and collides in its update, draws
// itself in the draw pass, and is dropped at the end of the update pass in which it finished.
class LiveObject {
public:
    LiveObject() = default;
    virtual ~LiveObject() = default;
    LiveObject(const LiveObject&) = delete;
    LiveObject& operator=(const LiveObject&) = delete;

    // Moves the object by the match's step; may spawn others and draw random numbers.
    virtual void Update(Arena& arena) = 0;
    // Draws what the last update left; changes nothing.
    virtual void Draw(const View& view) const = 0;
    // What a network client needs to draw it; none for what a client makes for itself (the
    // particles, which it makes from the host's effect events).
    virtual std::optional<ObjectState> Export() const { return std::nullopt; }

    bool Finished() const { return finished_; }
    void SetFinished() { finished_ = true; }

private:
    bool finished_ = false;
};
