#include "weapons/projectiles/ProjectileGhost.h"

#include "arena/Arena.h"
#include "weapons/projectiles/ProjectileDrawing.h"

void ProjectileGhost::Update(Arena& arena) {
    state_.position = state_.position + state_.velocity * arena.Step();
}

void ProjectileGhost::Draw(const View& view) const { DrawProjectile(view, state_); }
