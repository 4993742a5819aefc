#include "player/ShotTracing.h"

#include "arena/Arena.h"
#include "player/Player.h"

ShotTrace TraceThroughMatch(Arena& arena, const Segment& segment, int flags) {
    ShotTrace result;
    arena.Map().TraceShot(segment, result, flags);
    if ((flags & kTracePlayers) == 0) return result;
    PlayerHit nearest;
    int hitPlayer = -1;
    for (int number = 0; number < arena.PlayerCount(); ++number) {
        const Player& player = arena.GetPlayer(number);
        if (!player.InPlay()) continue;
        const PlayerHit hit = player.TraceShot(segment);
        if (hit.hit && (hitPlayer < 0 || hit.t < nearest.t)) {
            nearest = hit;
            hitPlayer = number;
        }
    }
    if (hitPlayer < 0 || (result.platform != nullptr && nearest.t > result.t)) return result;
    result.platform = nullptr;
    result.side = 0;
    result.t = nearest.t;
    result.point = nearest.point;
    result.player = hitPlayer;
    result.head = nearest.head;
    return result;
}
