#include "weapons/projectiles/Bullet.h"
void Bullet::Update(Arena& /*arena*/) { SetFinished(); }
void Bullet::Draw(const View& /*view*/) const {}
