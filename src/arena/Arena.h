#pragma once

#include <cstddef>
#include <memory>
#include <string>

class Font;
class GameMap;
class LiveObject;
class MouseLook;
class Player;
class View;
class Weapon;
struct ParticleSetup;
template <std::size_t N>
class AnimationSet;
using LowerAnimationSet = AnimationSet<6>;
using UpperAnimationSet = AnimationSet<5>;

// Where the figures' sprites sit in the graphics table, found once per match.
struct FigureSprites {
    int head = -1;
    int helmet = -1;
    int smoke = -1;
};

// The running match as the things that live in it see it: players, projectiles and particles
// reach the map, each other and the camera through this, never the match's frame itself. The
// const half is all a Draw may use.
class Arena {
public:
    virtual ~Arena() = default;

    virtual GameMap& Map() = 0;
    virtual const View& GetView() const = 0;
    // The frame step: 1.0 per 1/80 second at normal speed, scaled by the time scale.
    virtual float Step() const = 0;
    // Eases the match's time scale towards the value (slow motion).
    virtual void SetTimeScaleTarget(float target) = 0;
    virtual int PlayerCount() const = 0;
    virtual Player& GetPlayer(int number) = 0;
    // The human's name for 0, else the name of that bot's profile.
    virtual std::string PlayerName(int number) const = 0;
    virtual int BotProfileCount() const = 0;
    virtual bool BotChat() const = 0;
    // Takes ownership; the object is updated from this frame's pass on.
    virtual void AddObject(std::unique_ptr<LiveObject> object) = 0;
    // A particle as described, added like any other object.
    virtual void SpawnParticle(const ParticleSetup& setup) = 0;
    // A new weapon of the named section of the weapon file, or none.
    virtual std::unique_ptr<Weapon> CreateWeapon(const std::string& section) = 0;
    virtual void Shake(float amount) = 0;
    virtual void ShowTitle(const std::string& text, float duration) = 0;
    virtual void AddMessage(const std::string& text) = 0;
    virtual bool HideHud() const = 0;
    virtual const Font* SmallFont() const = 0;
    virtual const Font* SmallBoldFont() const = 0;

    virtual const LowerAnimationSet& LowerAnimations() const = 0;
    virtual const UpperAnimationSet& UpperAnimations() const = 0;
    virtual const FigureSprites& Sprites() const = 0;
    // The human's mouse look; none when the match has no cursor.
    virtual MouseLook* HumanMouse() = 0;
};
