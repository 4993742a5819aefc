#pragma once

#include "arena/ObjectState.h"

class View;

// A projectile as its state describes it: a bullet as a short tracer behind its head, the rest
// as their sprite. The one drawing both the host's projectiles and a client's copies use.
void DrawProjectile(const View& view, const ObjectState& state);
