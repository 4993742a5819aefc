#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "bots/BotMind.h"
#include "core/Vec2.h"
#include "player/AnimationState.h"
#include "player/CarriedWeapons.h"
#include "player/ChatState.h"
#include "player/FigureState.h"
#include "player/Pose.h"
#include "world/Team.h"

class Arena;
class Platform;
struct Segment;
class View;
class Weapon;

// The side a figure looks to; it is animated facing left and mirrored for the right.
enum class Facing { Left = 1, Right = 2 };
enum class MoveDirection { None = 0, Left = 1, Right = 2 };

// Lower-body animations the match plays.
inline constexpr int kLowerStanding = 0;
inline constexpr int kLowerRunning = 1;
inline constexpr int kLowerCrouched = 2;

// Where a shot meets a player's body or head.
struct PlayerHit {
    bool hit = false;
    Vec2 point;
    float t = 1.0f;  // along the shot, 0 at its start and 1 at its end
    bool head = false;
};

// One fighter of the match: the human (number 0) or a bot, which drives it through the same
// controls the keyboard does. The match fills its array with copies of one model player, so a
// player is copyable; a copy carries no weapons.
class Player {
public:
    // Movement, in units and steps (one step is 1/80 second at normal speed); y grows down.
    static constexpr float kRunSpeed = 1.8f;
    static constexpr float kGravity = 0.07f * 1.5f;
    static constexpr float kJumpVelocity = -4.5f;
    static constexpr float kThrust = 0.3f;
    static constexpr float kMaxRise = -3.5f;
    static constexpr float kAimRate = 1.25f;
    static constexpr float kMaxAim = 60.0f;
    static constexpr float kBoxWidth = 16.0f;
    static constexpr float kBoxHeight = 24.0f;
    static constexpr float kFullHealth = 100.0f;
    static constexpr float kMaxArmour = 100.0f;
    // Every life starts with this weapon of the weapon file.
    static constexpr const char* kStartingWeapon = "Platinum";

    Player();

    // A new life, at (400, 300) until the match places it at a spawn point. True for the
    // player's first life of the match, when a bot says hello.
    bool Spawn();
    // Drops every weapon and hands out the "Platinum"; picks a bot profile first if it has none.
    void ResetEquipment(Arena& arena);
    // Out of play; `killer` is the player credited, -1 for nobody, his own number for a
    // suicide (which the message list announces).
    void Die(int killer, Arena& arena);
    // On the killer: the kill line, the titles and the frag, unless the victim is himself.
    void Fragged(Player& victim, Arena& arena);
    // On the victim, once he is out of play: the frag goes to `killer` unless they share a
    // team; nobody scores for -1.
    void CreditKill(int killer, Arena& arena);

    // Damage, in play and outside god mode only. Health below 1 dies, crediting `attacker`.
    void TakeDamage(float amount, int attacker, Arena& arena);
    // Armour only: health is not touched; armour worn through bursts into fragments.
    void DamageArmour(float amount, Arena& arena);
    // The head comes off (not in god mode) and the player bleeds from now on.
    void LoseHead(int attacker, Arena& arena);
    void RestoreHead() {
        hasHead_ = true;
        lastAttacker_ = -1;
    }
    void SetHelmet(bool on) { hasHelmet_ = on; }
    // The body bursts into limbs, blood and the head, thrown away from `from` when
    // `directional`, widely when `wide`, else about evenly.
    void Gib(Arena& arena, Vec2 from, bool directional, bool wide);
    void BreakArmour(Arena& arena, Vec2 from, bool directional, bool wide);
    // Where a shot meets the posed body or the head; no hit when it misses.
    PlayerHit TraceShot(const Segment& shot) const;

    // Walking over a weapon: a second one of a kind refills the first; a new one is carried,
    // and taken in hand when the sidearm was. The weapon newly carried; none for a refill or a
    // section the weapon file cannot build.
    const Weapon* PickUpWeapon(const std::string& section, Arena& arena);
    // The human's name for number 0, else the bot profile's.
    std::string GetName(const Arena& arena) const;

    // Controls, shared by the keyboard and the bots.
    void SetMove(::MoveDirection direction);
    void SetFacing(::Facing facing);
    void AimUp(float step);
    void AimDown(float step);
    void Jump();
    void Thrust();
    void ToggleCrouch();
    void NextWeapon() { weapons_.Next(); }
    void PrevWeapon() { weapons_.Previous(); }
    void StartBulletTime(float duration, Arena& arena);
    void EndBulletTime(Arena& arena);
    // Power-ups: more health, never past the maximum, and more armour, never past kMaxArmour.
    void AddHealth(float amount) { health_ = std::min(health_ + amount, maxHealth_); }
    void AddArmour(float amount) { armour_ = std::min(armour_ + amount, kMaxArmour); }
    // The console's "give": "all", "health", "armour" or "armor", "noggin"; others do nothing.
    void Give(const std::string& what, Arena& arena);

    // One frame of a player in play: look, timers, physics, placing the figure, the cigarette's
    // smoke and the weapons' timers.
    void Update(Arena& arena);
    // Network play: what a client needs to draw him (the weapon in hand left to the match,
    // which knows the weapon file's order), and a client's copy taking that in place of an
    // update. `ownAim` keeps the aim and facing the client's own mouse gave its fighter.
    FigureState Figure() const;
    void ShowFigure(const FigureState& figure, Arena& arena, bool ownAim);
    // A client's own fighter: the weapons he carries, by place in the weapon file, so his row
    // shows them all.
    void ShowCarried(const std::vector<int>& defs, Arena& arena);
    static constexpr std::size_t kMostShownCarried = 32;
    void SetAim(float degrees);

    // The figure, head, weapon in hand and name tag as the last update left them.
    void Draw(const View& view, const Arena& arena) const;
    // The carried weapons in a row at the top of the screen, the one in hand large.
    void DrawWeaponBar(const View& view) const;

    bool InPlay() const { return inPlay_; }
    // Has had a life in this match, in play now or not.
    bool EnteredMatch() const { return !firstSpawn_; }
    // In play with the figure where the body is: from a new life's first update on. Until
    // then the hand and the bones are those of the last life, so nothing fires or is hit.
    bool Placed() const { return inPlay_ && placed_; }
    Vec2 Position() const { return position_; }
    void SetPosition(Vec2 position) { position_ = position; }
    Vec2 Velocity() const { return velocity_; }
    void SetVelocity(Vec2 velocity) { velocity_ = velocity; }
    float Aim() const { return aim_; }
    ::Facing Facing() const { return facing_; }
    ::MoveDirection MoveDirection() const { return moveDirection_; }
    bool Crouched() const { return crouched_; }
    const Platform* Ground() const { return ground_; }
    // The platform is about to leave the map: standing on it, he stands on nothing now.
    void ForgetGround(const Platform& platform) {
        if (ground_ == &platform) ground_ = nullptr;
    }
    float BulletTime() const { return bulletTime_; }
    float Health() const { return health_; }
    float MaxHealth() const { return maxHealth_; }
    float Armour() const { return armour_; }
    bool HasHead() const { return hasHead_; }
    bool HasHelmet() const { return hasHelmet_; }
    ::Team Team() const { return team_; }
    void SetTeam(::Team team) { team_ = team; }
    int Number() const { return number_; }
    void SetNumber(int number) { number_ = number; }
    int BotProfile() const { return botProfile_; }
    void SetBotProfile(int profile) { botProfile_ = profile; }
    int Frags() const { return frags_; }
    // A network player taking a bot's place starts from nothing.
    void ResetScore() { frags_ = 0; }
    int LastKiller() const { return lastKiller_; }
    float DeadTime() const { return deadTime_; }
    void AddDeadTime(float step) { deadTime_ += step; }
    bool ThrustRequested() const { return thrustRequested_; }

    const LowerPose& Lower() const { return lower_; }
    const UpperPose& Upper() const { return upper_; }
    const AnimationState& LowerState() const { return lowerState_; }
    const AnimationState& UpperState() const { return upperState_; }
    // Starts an arm animation, e.g. the recoil (1) or a reload (2), returning to 0 after.
    void PlayUpperAnimation(int index) { upperState_.Set(index, 0); }
    // After the match's animation sets were edited: both figures point at frames that exist.
    void FitAnimationStates(const Arena& arena);

    CarriedWeapons& Weapons() { return weapons_; }
    const CarriedWeapons& Weapons() const { return weapons_; }
    Weapon* CurrentWeapon() const { return weapons_.Current(); }

    bool GodMode() const { return godMode_; }
    void SetGodMode(bool on) { godMode_ = on; }
    int Rank() const { return rank_; }
    void SetRank(int rank) { rank_ = rank; }
    int LastVictim() const { return lastVictim_; }
    int LastAttacker() const { return lastAttacker_; }
    float BleedTimer() const { return bleedTimer_; }
    float ThrustFuel() const { return thrustFuel_; }

    // What drives a bot; the human's is never read.
    BotMind& Mind() { return mind_; }
    const BotMind& Mind() const { return mind_; }
    ChatState chat;

private:
    void CountDownBulletTime(Arena& arena);
    bool SlowsTheMatch(const Arena& arena) const;
    void Accelerate(float step);
    void MoveWithCollision(Arena& arena);
    void PlaceFigure();
    void FallOffMap(Arena& arena);
    void Bleed(Arena& arena);
    void Smoke(Arena& arena);
    void MakeShownWeapons(Arena& arena);
    void TickWeapons(Arena& arena);
    void DrawHead(const View& view, const Arena& arena) const;
    void DrawNameTag(const View& view, const Arena& arena) const;

    UpperPose upper_;
    LowerPose lower_;
    int lastKiller_ = -1;
    int lastVictim_ = -1;
    bool firstSpawn_ = true;
    bool godMode_ = false;
    float thrustFuel_ = 0.0f;
    bool thrustRequested_ = false;
    float smokeTimer_ = 0.0f;
    float bulletTime_ = 0.0f;
    int lastAttacker_ = -1;
    float bleedTimer_ = 0.0f;
    int frags_ = 0;
    int rank_ = 0;
    float deadTime_ = 0.0f;
    float health_ = kFullHealth;
    float maxHealth_ = kFullHealth;
    float armour_ = 0.0f;
    bool hasHead_ = true;
    bool hasHelmet_ = true;
    AnimationState upperState_;
    AnimationState lowerState_;
    bool inPlay_ = false;
    bool placed_ = false;  // the figure stands where the body is; not before a new life's update
    bool crouched_ = false;
    Vec2 position_{400.0f, 300.0f};  // centre of the body box
    Vec2 velocity_;
    float aim_ = 0.0f;  // degrees, positive up
    const Platform* ground_ = nullptr;
    ::MoveDirection moveDirection_ = MoveDirection::None;
    ::Facing facing_ = Facing::Left;
    CarriedWeapons weapons_;
    ::Team team_ = Team::None;
    int number_ = 0;
    int botProfile_ = -1;
    BotMind mind_;
    int heldDef_ = -1;  // a client's copy: the weapon file's section its one weapon was made of
    std::vector<int> carriedDefs_;  // a client's own fighter: all he carries, as told
};
