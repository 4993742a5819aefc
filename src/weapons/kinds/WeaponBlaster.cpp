#include "weapons/kinds/WeaponBlaster.h"

#include "arena/Arena.h"
#include "core/Random.h"
#include "player/Player.h"
#include "render/Renderer.h"
#include "weapons/WeaponKeys.h"
#include "weapons/kinds/KindKeys.h"
#include "weapons/kinds/ShotLine.h"
#include "world/View.h"

namespace {
// Far enough to leave any map.
constexpr float kBeamReach = 90000.0f;
constexpr Colour kGlow{0, 0, 255, 40};
constexpr Colour kCore{255, 255, 255, 150};
}  // namespace

void WeaponBlaster::Read(const WeaponDef& def, const Arena& arena) {
    Weapon::Read(def, arena);
    ReadKey(def, "Accuracy", accuracy_);
    sound_.SetSound(ReadSound(def, "FireSound", arena));
}

// Only raises the flag: the tick that follows traces the beam.
void WeaponBlaster::HoldPrimary(Player& /*owner*/, Arena& /*arena*/) { firing_ = true; }

void WeaponBlaster::Tick(Player& owner, Arena& arena) {
    sound_.Tick(arena.Step());
    beam_.shows = firing_;
    firing_ = false;
    if (!beam_.shows) return;
    sound_.Fire(arena);
    const ShotLine shot = ShotLine::Aim(owner, FireOffset());
    const Segment line{shot.muzzle, shot.muzzle + shot.Direction() * kBeamReach};
    beam_.start = shot.muzzle;
    beam_.end = arena.TraceShot(line, kTracePlatforms | kTracePlayers).point;
    beam_.outerWidth = 2.0f + RandomRange(2.0f, 3.0f);
    beam_.innerWidth = 1.0f + RandomRange(1.0f, 2.0f);
}

void WeaponBlaster::DrawEffects(const View& view) const {
    if (!beam_.shows) return;
    Renderer& renderer = view.GetRenderer();
    renderer.SetLineSmooth(true);
    renderer.SetLineWidth(beam_.outerWidth);
    view.DrawLine(beam_.start, beam_.end, kGlow);
    renderer.SetLineWidth(beam_.innerWidth);
    view.DrawLine(beam_.start, beam_.end, kCore);
    renderer.SetLineSmooth(false);
    renderer.SetLineWidth(1.0f);
}
