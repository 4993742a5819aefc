#pragma once

class Arena;

// A projectile or particle: lives in the match's list, moves, collides and draws itself once
// a frame, and is destroyed right after the update in which it finished.
class LiveObject {
public:
    LiveObject() = default;
    virtual ~LiveObject() = default;
    LiveObject(const LiveObject&) = delete;
    LiveObject& operator=(const LiveObject&) = delete;

    virtual void Update(Arena& arena) = 0;

    bool Finished() const { return finished_; }
    void SetFinished() { finished_ = true; }

private:
    bool finished_ = false;
};
