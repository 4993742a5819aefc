#pragma once

#include "arena/LiveObject.h"
#include "arena/ObjectState.h"

// A network client's copy of one of the host's projectiles: it flies on along its last known
// velocity until the next state replaces it, and it hurts nobody.
class ProjectileGhost : public LiveObject {
public:
    explicit ProjectileGhost(const ObjectState& state) : state_(state) {}

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;
    std::optional<ObjectState> Export() const override { return state_; }

private:
    ObjectState state_;
};
