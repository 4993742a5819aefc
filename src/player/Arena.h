#pragma once

#include <memory>
#include <string>

class GameMap;
class LiveObject;
struct Player;
class View;

// The running match as the things that live in it see it: players, projectiles and particles
// reach the map, each other and the camera through this, never the match's frame itself.
class Arena {
public:
    virtual ~Arena() = default;

    virtual GameMap& Map() = 0;
    virtual const View& GetView() const = 0;
    // The frame step: 1.0 per 1/80 second at normal speed, scaled by the time scale.
    virtual float Step() const = 0;
    virtual int PlayerCount() const = 0;
    virtual Player& GetPlayer(int number) = 0;
    // Takes ownership; the object is updated from this frame's pass on.
    virtual void AddObject(std::unique_ptr<LiveObject> object) = 0;
    virtual void Shake(float amount) = 0;
    virtual void ShowTitle(const std::string& text, float duration) = 0;
};
