#include "weapons/effects/ShellCasing.h"
ShellCasing::ShellCasing(Kind kind, int sprite, Vec2 position, Vec2 velocity)
    : kind_(kind), sprite_(sprite), position_(position), velocity_(velocity), spin_(1.0f) {}
void ShellCasing::Update(Arena& /*arena*/) { SetFinished(); }
void ShellCasing::Draw(const View& /*view*/) const {}
