#pragma once

#include "arena/LiveObject.h"
#include "arena/ObjectState.h"

// A network client's copy of one of the host's projectiles: it flies along its last known
// velocity until the next state replaces it, and it hurts nobody. It starts `behind` steps
// back along its way, as the fighters are shown one state behind: a rocket leaves its
// shooter's hand, and is gone where it burst.
class ProjectileGhost : public LiveObject {
public:
    ProjectileGhost(const ObjectState& state, float behind) : state_(state) {
        state_.position = state_.position - state_.velocity * behind;
    }

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;
    std::optional<ObjectState> Export() const override { return state_; }

private:
    ObjectState state_;
};
