// Bringing a player back into the match at a spawn point.
#include <vector>

#include "core/Random.h"
#include "game/Game.h"
#include "weapons/effects/ParticleSetup.h"

namespace {
// A spawn point of the player's team; any at all for no team, or when his team has none.
const SpawnPoint& ChooseSpawnPoint(const std::vector<SpawnPoint>& points, Team team) {
    const auto anyPoint = [&points]() -> const SpawnPoint& {
        return points[static_cast<std::size_t>(RandomInt()) % points.size()];
    };
    if (team == Team::None) return anyPoint();
    std::vector<std::size_t> ours;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].team == static_cast<std::int32_t>(team)) ours.push_back(i);
    }
    if (ours.empty()) return anyPoint();
    return points[ours[static_cast<std::size_t>(RandomInt()) % ours.size()]];
}

struct SparkleLook {
    float alpha;
    float fade;
    float spin;  // degrees per step, or the limit of a random spin either way
    bool randomSpin;
    float life;
    float growth;
};

// Two sparkles grow and fade where the player appears.
void Sparkle(Game& game, Vec2 at, int sprite, const SparkleLook& look) {
    ParticleSetup setup;
    setup.sprite = sprite;
    setup.collides = false;
    setup.gravity = 0.0f;
    setup.velocity = Vec2{RandomRange(-0.2f, 0.2f), -0.2f};
    setup.position = at;
    setup.rotation = RandomRange(-360.0f, 360.0f);
    setup.alpha = look.alpha;
    setup.fade = look.fade;
    setup.spin = look.randomSpin ? RandomRange(-look.spin, look.spin) : look.spin;
    setup.life = look.life;
    setup.scale = 0.5f;
    setup.growth = look.growth;
    game.SpawnParticle(setup);
}
}  // namespace

void Game::Respawn(Player& player) {
    const std::vector<SpawnPoint>& points = SpawnPoints();
    if (points.empty()) return;
    if (player.Spawn()) RaiseChatEvent(player, ChatEvent::Hello);
    const SpawnPoint& point = ChooseSpawnPoint(points, player.Team());
    player.SetPosition(Vec2{point.x, point.y});
    Sparkle(*this, player.Position(), sprites_.respawn[0],
            {200.0f, 5.0f, 8.0f, true, 80.0f, 0.08f});
    Sparkle(*this, player.Position(), sprites_.respawn[1],
            {230.0f, 2.0f, 20.0f, false, 40.0f, 0.04f});
    player.ResetEquipment(*this);
}
