#include "weapons/effects/MuzzleFlash.h"
void MuzzleFlash::Update(Arena& /*arena*/) { SetFinished(); }
void MuzzleFlash::Draw(const View& /*view*/) const {}
