#pragma once

#include <array>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "arena/Arena.h"
#include "arena/LiveObject.h"
#include "bots/BotFiles.h"
#include "bots/BotSkill.h"
#include "core/Float4.h"
#include "game/Camera.h"
#include "game/Editor.h"
#include "game/GameServices.h"
#include "game/GameType.h"
#include "game/MatchState.h"
#include "game/MessageList.h"
#include "game/RemoteInput.h"
#include "game/ScreenshotSeries.h"
#include "game/Title.h"
#include "player/AnimationSet.h"
#include "player/MouseLook.h"
#include "player/Player.h"
#include "weapons/WeaponDef.h"
#include "world/GameMap.h"
#include "world/View.h"

class Font;

// One match on one map, and the host of the two content editors. The program makes it when a
// map starts, feeds it commands, keys and mouse buttons, runs one frame of it per pass of the
// main loop, and drops it once it reports that it has finished.
class Game final : public Arena {
public:
    Game(const GameServices& services, int maxPlayers, int fragLimit, GameType type);
    ~Game() override;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Reads the map and builds its tree; false, with the reason on the console, when the
    // file is refused (the map then stays empty).
    bool LoadMap(std::istream& file, const std::string& fileName);
    // Makes the players; all begin out of play.
    void Start();
    // One frame of the match or of the open editor, from BeginFrame to Present: Advance, then
    // what it left shown.
    void Frame();
    // A frame but its showing: the match's update pass, or the open editor's frame (an editor
    // draws as it goes, into whatever renderer there is). A run without a screen calls it
    // alone, and then DropScreenshots.
    void Advance();
    // The screenshots asked for cannot be taken when nothing is shown: forgets them.
    void DropScreenshots() { screenshotsAsked_ = 0; }
    // The match's update pass alone: everything moves as in a frame, nothing is drawn.
    void Update();
    // The draw pass: shows what the last update left, from BeginFrame up to the screenshots.
    void Draw() const;
    // The whole frame once the match is over.
    void DrawFinalScores();
    bool IsOver() const { return matchOver_; }
    bool IsFinished() const { return finished_; }

    void OnCommand(Command command);
    void OnKeyDown(int key);
    void OnKeyUp(int key);
    void OnLeftButtonDown();
    void OnLeftButtonUp();
    void OnRightButtonDown();

    // Puts a player back in play at a spawn point of his team; nothing on a map without any.
    void Respawn(Player& player);
    // The console's "maxclients": a match keeps the player count it started with, and says
    // that changing it is not implemented.
    void SetMaxClients(int count);
    // Reads the weapon file; its sections are what weapons are made from.
    void LoadWeaponFile(const std::filesystem::path& path);

    // Arena
    GameMap& Map() override { return map_; }
    const View& GetView() const override { return *view_; }
    float Step() const override;
    float TimeScale() const override;
    void SetTimeScaleTarget(float target) override;
    int PlayerCount() const override { return static_cast<int>(players_.size()); }
    Player& GetPlayer(int number) override { return players_.at(static_cast<std::size_t>(number)); }
    const Player& GetPlayer(int number) const {
        return players_.at(static_cast<std::size_t>(number));
    }
    std::string PlayerName(int number) const override;
    int BotProfileCount() const override { return static_cast<int>(botFiles_.profiles.size()); }
    const BotFiles& Bots() const override { return botFiles_; }
    int BotSkillLevel() const override { return botSkill_; }
    bool BotChat() const override { return botChat_; }
    bool BotInHumanSlot() const override { return services_.botInHumanSlot; }
    void RaiseChatEvent(Player& player, ChatEvent event) override;
    void SayChat(const std::string& line) override;
    ShotTrace TraceShot(const Segment& segment, int flags) override;
    void AddObject(std::unique_ptr<LiveObject> object) override;
    void SpawnParticle(const ParticleSetup& setup) override;
    const MatchSprites& Sprites() const override { return sprites_; }
    int FindSprite(const std::string& name) const override;
    int FindSound(const std::string& fileName) const override;
    void PlaySound(int number) override;
    using Arena::PlaySound;
    int WeaponDefCount() const override { return static_cast<int>(weaponDefs_.size()); }
    std::unique_ptr<Weapon> CreateWeaponAt(int index) override;
    std::unique_ptr<Weapon> CreateWeapon(const std::string& section) override;
    int WeaponSprite(const std::string& section) const override;
    bool MatchOver() const override { return matchOver_; }
    int FragLimit() const override { return fragLimit_; }
    void SetFragLimit(int limit) { fragLimit_ = limit; }
    bool TeamGame() const override { return teamGame_; }
    int AddTeamFrag(Team team) override;
    // Starts the fade to the final scores; a second call while it runs changes nothing.
    void EndMatch() override {
        if (fade_ == kNoFade) fade_ = kEndFade;
    }
    void Shake(float amount) override { camera_.Shake(amount); }
    void ShowTitle(const std::string& text, float duration) override {
        title_.Show(text, duration);
    }
    // The human's own; a fighter played from across the network has his kept for his client.
    void ShowTitleTo(int player, const std::string& text, float duration) override;
    void AddMessage(const std::string& text) override;
    bool HideHud() const override { return hideHud_; }
    const Font* SmallFont() const override { return smallFont_.get(); }
    const Font* SmallBoldFont() const override { return smallBoldFont_.get(); }
    const LowerAnimationSet& LowerAnimations() const override { return lowerAnimations_; }
    const UpperAnimationSet& UpperAnimations() const override { return upperAnimations_; }
    // The sets the animation editor changes in place; after a change the fighters are fitted
    // to them, so the match resumes on frames that exist.
    LowerAnimationSet& EditLowerAnimations() { return lowerAnimations_; }
    UpperAnimationSet& EditUpperAnimations() { return upperAnimations_; }
    void FitAnimationStates() {
        for (Player& player : players_)
            player.FitAnimationStates(*this);
    }
    MouseLook* HumanMouse() override { return mouseLook_.get(); }
    void BeginEffect(const EffectEvent& event) override;
    void EndEffect() override { --effectDepth_; }
    bool RemoteSlot(int number) const override;

    // Network play on the host. A client plays fighter `number` under `name`, with a fresh
    // score, driven by the inputs given him, until he is handed back to his bot, who starts
    // afresh too.
    void TakeRemote(int number, const std::string& name);
    void ReleaseRemote(int number);
    void SetRemoteInput(int number, const RemoteInput& input);
    // A chat line of the player's, for everybody; the bots may answer it.
    void SayFrom(int number, const std::string& text);
    // From now on sounds, effects and message lines are kept for the clients.
    void KeepForClients() { keepForClients_ = true; }
    // What the clients draw, with the sounds and effects kept since the last call.
    MatchState CaptureState();
    // The message lines kept since the last call.
    std::vector<std::string> TakeMessages();
    // A title for one client's fighter.
    struct KeptTitle {
        int player = 0;
        std::string text;
        float duration = 0.0f;
    };
    // The titles kept since the last call.
    std::vector<KeptTitle> TakeTitles();
    // What the fighter carries, by place in the weapon file; none it cannot find.
    std::vector<int> CarriedWeaponDefs(int number) const;

    // Network play on a client: the match mirrors the host's. Nothing is simulated but the
    // particles; the fighters, projectiles, items and scores are the host's last states,
    // the fighters moved smoothly between the two newest.
    void SetMirror(bool on) { mirror_ = on; }
    bool IsMirror() const { return mirror_; }
    void ShowState(const MatchState& state);
    // Every player's name by number, as the host gives them.
    void SetNames(const std::vector<std::string>& names) { shownNames_ = names; }
    // The human's controls as of this frame, to send to the host.
    RemoteInput TakeInput();
    // What the human's fighter carries, by place in the weapon file, for his weapon row.
    void ShowCarried(const std::vector<int>& weapons);

    void BuildQuadTree(int depth) { map_.BuildQuadTree(depth); }
    // Map editing, for the map editor. The world reaches 250 beyond every platform, and the
    // tree is rebuilt over it.
    void RecomputeBounds() { map_.RecomputeBounds(); }
    // Takes a platform off the map once nothing holds it: whoever stood on it stands on
    // nothing. The tree still lists it until it is rebuilt.
    void RemovePlatform(std::size_t index);
    // Where the open editor looks at the world.
    void ScrollView(int x, int y) { view_->SetOffset(x, y); }
    // Keys the open map editor takes as keys whatever the bindings make them send.
    bool TakesKey(int key) const { return mapEditor_ && mapEditor_->TakesKey(key); }
    bool SaveMap(const std::filesystem::path& path) const;

    int MaxPlayers() const { return maxPlayers_; }
    GameType Type() const { return gameType_; }
    void SetBotChat(bool on) { botChat_ = on; }
    // Kept within 1 to 5.
    void SetBotSkill(int skill);
    int TeamScore(int team) const { return teamScores_.at(static_cast<std::size_t>(team)); }
    const Float4& Bounds() const { return map_.Bounds(); }
    const std::vector<SpawnPoint>& SpawnPoints() const { return map_.Contents().spawnPoints; }
    const QuadNode* Tree() const { return map_.Tree(); }
    const std::string& MapName() const { return map_.Name(); }
    const Title& GetTitle() const { return title_; }
    const Camera& GetCamera() const { return camera_; }
    Camera& GetCamera() { return camera_; }
    const ScreenshotSeries& Screenshots() const { return screenshots_; }
    std::size_t LiveObjectCount() const { return liveObjects_.size(); }
    const std::vector<WeaponDef>& WeaponDefs() const { return weaponDefs_; }
    bool MapEditorOpen() const { return mapEditor_ != nullptr; }
    bool AnimEditorOpen() const { return animEditor_ != nullptr; }
    float Fade() const { return fade_; }
    const MessageList& Messages() const { return messages_; }
    // Player numbers by place, most frags first, as the last update ranked them.
    const std::vector<int>& Ranking() const { return ranking_; }

    const Font* LargeFont() const { return largeFont_.get(); }
    const Font* HugeFont() const { return hugeFont_.get(); }
    const GameServices& Services() const { return services_; }

    // Fade value meaning that no end-of-match fade is running.
    static constexpr float kNoFade = 99999.0f;
    // Frames of the fade at normal speed; the screen darkens over the last 255.
    static constexpr float kEndFade = 260.0f;
    // Steps a dead player waits before coming back.
    static constexpr float kRespawnTime = 300.0f;
    // Steps of bullet time a press gives.
    static constexpr float kBulletTime = 1000.0f;

private:
    // False, with the reason on the console and the match finished, for a type not played.
    bool Playable();
    // The steps of the update pass, in the order they run.
    void AimHuman();
    void MoveCamera();
    void ControlHuman();
    void UpdatePlayers();
    void UpdateDead(Player& player);
    void UpdateItems();
    void UpdateLiveObjects();
    void HoldFire();
    void UpdateFade();
    // Places by frags for the scoreboard and the final scores.
    void RankPlayers();
    // Network play: a client's fighter driven by his inputs, and a mirror's update pass.
    void DriveRemote(Player& player);
    // Presses made while dead do nothing, then or at the respawn.
    void PassOverRemotePresses(const Player& player);
    void HoldRemoteFire();
    void MirrorUpdate();
    void InterpolateFigures();
    bool CountPress(Command command);
    // Keeps a sound or an effect for the clients, unless it happens inside another.
    void KeepEvent(const EffectEvent& event);
    // The steps of the draw pass.
    void DrawWorld() const;
    void DrawHud() const;
    void DrawConsole() const;
    void DrawCursor() const;
    void DrawFade() const;
    // An open editor's frame in place of the match's update pass.
    void EditorFrame();
    // What the last Advance ran.
    enum class Advanced { Nothing, Match, Editor };
    // Present, after the screenshots asked for since the last frame.
    void FinishFrame();

    // What the commands do.
    void Finish();
    void FlashAtCentre();
    void TakeScreenshot();
    void PressPrimary();
    void PressSecondary();
    void ToggleSlowMotion();
    void StartBulletTime();
    void ToggleCrouch();
    void NextWeapon();
    void PrevWeapon();
    void OpenAnimEditor();
    void OpenMapEditor();

    void FindSprites();
    bool KeyHeld(int key) const;
    bool ActionHeld(int action) const;
    bool Developer() const;
    void Print(const std::string& line) const;
    bool HumanInPlay() const;
    // The human's weapon in hand once his figure stands in play; none otherwise.
    Weapon* HumanWeapon() const;
    void PlayMusic(const char* name, bool loop);
    void StopMusic(const char* name);

    GameServices services_;
    std::array<int, 3> teamScores_{};
    std::unique_ptr<Font> smallFont_;
    std::unique_ptr<Font> smallBoldFont_;
    std::unique_ptr<Font> hugeFont_;
    std::vector<Player> players_;
    bool matchOver_ = false;
    MessageList messages_;
    bool botChat_ = false;
    bool teamGame_ = false;
    bool hideHud_ = false;
    LowerAnimationSet lowerAnimations_;
    UpperAnimationSet upperAnimations_;
    std::unique_ptr<Font> largeFont_;
    std::unique_ptr<View> view_;
    bool finished_ = false;
    GameMap map_;  // the map's objects, items, spawn points, bounds, name and tree
    std::vector<std::unique_ptr<LiveObject>> liveObjects_;
    int maxPlayers_;
    int fragLimit_;
    std::unique_ptr<Editor> mapEditor_;
    std::unique_ptr<Editor> animEditor_;
    Camera camera_;
    Title title_;
    float fade_ = kNoFade;
    ScreenshotSeries screenshots_;
    Advanced advanced_ = Advanced::Nothing;
    int screenshotsAsked_ = 0;
    GameType gameType_;
    MatchSprites sprites_;
    std::vector<WeaponDef> weaponDefs_;
    // Live objects the last update pass left; those added after it wait for the next one.
    std::size_t updatedObjects_ = 0;
    std::unique_ptr<MouseLook> mouseLook_;
    // Player numbers by place, as the last update ranked them.
    std::vector<int> ranking_;
    BotFiles botFiles_;
    int botSkill_ = BotSkill::kAsWritten;

    // Network play, by player number: who is played from across the network, and the inputs
    // and press counters last seen of him.
    struct Remote {
        bool active = false;
        RemoteInput input;
        std::array<std::uint8_t, kPressedCommandCount> seen{};
    };
    std::vector<Remote> remotes_;
    std::vector<std::string> shownNames_;  // by number; an empty one is the usual name
    bool keepForClients_ = false;
    int effectDepth_ = 0;
    std::vector<EffectEvent> keptEvents_;
    std::vector<std::string> keptMessages_;
    std::vector<KeptTitle> keptTitles_;
    std::uint32_t steps_ = 0;
    // A mirror's two newest states and the steps since the newest came.
    bool mirror_ = false;
    MatchState shownBefore_;
    MatchState shown_;
    float sinceShown_ = 0.0f;
    std::vector<std::unique_ptr<LiveObject>> ghosts_;
    RemoteInput localInput_;
    bool clickPending_ = false;
};
