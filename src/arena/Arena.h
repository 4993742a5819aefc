#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "arena/EffectEvent.h"
#include "arena/MatchSprites.h"
#include "bots/ChatEvent.h"
#include "core/Geometry.h"
#include "world/GameMap.h"
#include "world/Team.h"

class Font;
class LiveObject;
struct BotFiles;
class MouseLook;
class Player;
class View;
class Weapon;
struct ParticleSetup;
template <std::size_t N>
class AnimationSet;
using LowerAnimationSet = AnimationSet<6>;
using UpperAnimationSet = AnimationSet<5>;

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
    // The time scale alone, for what counts once a frame whatever the frame rate.
    virtual float TimeScale() const = 0;
    // Eases the match's time scale towards the value (slow motion).
    virtual void SetTimeScaleTarget(float target) = 0;
    virtual int PlayerCount() const = 0;
    virtual Player& GetPlayer(int number) = 0;
    // The human's name for 0, else the name of that bot's profile.
    virtual std::string PlayerName(int number) const = 0;
    virtual int BotProfileCount() const = 0;
    // The bot files' profiles, chat sets and responses.
    virtual const BotFiles& Bots() const = 0;
    // The bots' skill, 1 to 5; 3 plays the profiles as written.
    virtual int BotSkillLevel() const = 0;
    virtual bool BotChat() const = 0;
    // A bot plays player 0 in a match nobody watches.
    virtual bool BotInHumanSlot() const { return false; }
    // A remark for the bots' chat about what just happened to `player`.
    virtual void RaiseChatEvent(Player& player, ChatEvent event) = 0;
    // A chat line said ("name: text"): on the console and in the message list.
    virtual void SayChat(const std::string& line) = 0;

    // The nearest thing on the segment: platforms (kTracePlatforms), players in play
    // (kTracePlayers), or both. A player and a platform met at the same t: the player.
    virtual ShotTrace TraceShot(const Segment& segment, int flags) = 0;
    // Takes ownership; the object is updated from the live objects' next turn on (this frame's,
    // when it is added during that turn).
    virtual void AddObject(std::unique_ptr<LiveObject> object) = 0;
    // A particle as described, added like any other object.
    virtual void SpawnParticle(const ParticleSetup& setup) = 0;
    virtual const MatchSprites& Sprites() const = 0;
    // Position of a sprite by name; the table's first sprite for an unknown or empty name.
    virtual int FindSprite(const std::string& name) const = 0;
    // Sound number of a file of the sound table, -1 (silence) for one it lacks.
    virtual int FindSound(const std::string& fileName) const = 0;
    // A sound effect at the normal volume and pitch; -1 plays nothing.
    virtual void PlaySound(int number) = 0;
    void PlaySound(const std::string& fileName) { PlaySound(FindSound(fileName)); }

    // New weapons of the weapon file's sections: the first of a name, or the one at a place in
    // file order. None for a name it lacks, a place past its end, or a kind that builds nothing.
    virtual std::unique_ptr<Weapon> CreateWeapon(const std::string& section) = 0;
    virtual int WeaponDefCount() const = 0;
    virtual std::unique_ptr<Weapon> CreateWeaponAt(int index) = 0;
    // The sprite of the weapon file's first section of that name, as its "Sprite" names it; -1
    // for a name the file lacks.
    virtual int WeaponSprite(const std::string& section) const = 0;

    // Scoring: the frag limit ends the match once a player or a team reaches it.
    virtual bool MatchOver() const = 0;
    virtual int FragLimit() const = 0;
    virtual bool TeamGame() const = 0;
    // One more frag for the team; its new score.
    virtual int AddTeamFrag(Team team) = 0;
    virtual void EndMatch() = 0;

    virtual void Shake(float amount) = 0;
    virtual void ShowTitle(const std::string& text, float duration) = 0;
    // A title for one player's eyes: the human's for 0; the arena knows who else watches.
    virtual void ShowTitleTo(int player, const std::string& text, float duration) {
        if (player == 0) ShowTitle(text, duration);
    }
    virtual void AddMessage(const std::string& text) = 0;
    virtual bool HideHud() const = 0;
    virtual const Font* SmallFont() const = 0;
    virtual const Font* SmallBoldFont() const = 0;

    virtual const LowerAnimationSet& LowerAnimations() const = 0;
    virtual const UpperAnimationSet& UpperAnimations() const = 0;
    // The human's mouse look; none when the match has no cursor.
    virtual MouseLook* HumanMouse() = 0;

    // Network play. A shared effect or a sound is bracketed by these, so a host can pass it to
    // its clients once, however many effects it calls inside.
    virtual void BeginEffect(const EffectEvent& /*event*/) {}
    virtual void EndEffect() {}
    // The fighter is played from across the network: no bot thinks or chats for him.
    virtual bool RemoteSlot(int /*number*/) const { return false; }
};
