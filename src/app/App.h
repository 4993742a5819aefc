#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/GameFolders.h"
#include "core/Log.h"
#include "game/GameType.h"
#include "input/GamepadDevice.h"
#include "input/InputListener.h"
#include "input/WindowSystem.h"

class AudioDevice;
class Clock;
class Console;
class CursorDevice;
class Game;
class FrameTimer;
class GraphicsTable;
class InputSystem;
class KeyboardDevice;
class NetSession;
class Renderer;
class SoundSystem;
struct Sprite;

// Builds the renderer for a display size and depth; the real program makes the OpenGL one,
// tests a recording one. None means no drawing context could be had.
using RendererFactory =
    std::function<std::unique_ptr<Renderer>(int width, int height, int colourDepth, Log& log)>;

// The one object that owns every service and the running match, and runs a frame.
class App : public WindowEvents, public InputListener {
public:
    // folders: Base/ to read and the player's folder, which gets Log.txt and everything else
    // written; a player's folder that cannot be written is said once on stderr and the game
    // runs on writing nothing. seed: the random generator's seed.
    App(GameFolders folders, Clock& clock, unsigned int seed);
    ~App() override;
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Builds the renderer, loads the images and sprite tables of Base, builds the console; false
    // when nothing can be drawn.
    bool Initialise(int resolutionIndex, int colourDepth, const RendererFactory& makeRenderer);
    // Builds the input system over the keyboard and the gamepads (none: no pad), reads
    // binds.cfg (the player's, else Base's) and installs the commands that keys, buttons and
    // actions send.
    void LoadBindings(std::unique_ptr<KeyboardDevice> keyboard,
                      std::unique_ptr<GamepadDevice> gamepad = nullptr);
    // Builds the sound system over the output, loads Base/BWsnd.stb, starts the menu music.
    void LoadSounds(std::unique_ptr<AudioDevice> device);
    // The mouse cursor the match reads; the window, or a script's stand-in for it.
    void SetCursorDevice(CursorDevice* cursor) { cursor_ = cursor; }
    // Starts a match on a map of Maps/ (the player's, else Base's), or the map editor on an
    // empty map for "new.bwm".
    // A map that cannot be opened or read leaves the menu as it was.
    void StartMap(const std::string& mapName, int maxClients, int fragLimit,
                  const std::string& typeWord);
    // The same for a map file anywhere (a network client's download), shown under `mapName`.
    void StartMapAt(const std::filesystem::path& path, const std::string& mapName, int maxClients,
                    int fragLimit, const std::string& typeWord);
    // The file the running match was read from; empty for a new map.
    const std::filesystem::path& MapPath() const { return mapPath_; }

    // Network play: the session runs around every frame until it is finished or replaced.
    void StartNet(std::unique_ptr<NetSession> session);
    void StopNet();
    NetSession* Net() const { return net_.get(); }

    // Drops the running match, if any, and goes back to the menu and its music.
    void EndGame();
    // Changes whenever a match starts or ends. A network session tells its match from a later
    // one by it: a new match may well be given the old one's address.
    std::uint64_t MatchNumber() const { return matchNumber_; }

    void Frame();
    // Pumps window events and runs frames until the quit flag is set or the window closes;
    // a frame limit (the -frames flag) quits cleanly after that many frames. `afterFrame`, when
    // given, runs after every frame.
    void Run(WindowSystem& window, std::optional<long> frameLimit,
             const std::function<void()>& afterFrame = {});
    // Off: a frame runs the match's update pass alone and nothing is drawn (a headless run).
    void SetDrawing(bool on) { drawing_ = on; }
    bool Drawing() const { return drawing_; }
    // On: matches started from now on give the human's slot to a bot.
    void SetBotInHumanSlot(bool on) { botInHumanSlot_ = on; }

    // The console's command line interpreter (the command table is in ConsoleCommands).
    void ExecuteCommand(const std::string& line);

    bool IsConsoleOpen() const override;
    void ToggleConsole() override;
    void OnConsoleKey(int key) override;
    void OnCommand(Command command) override;
    void OnKeyDown(int key) override;
    void OnKeyUp(int key) override;
    bool TakesKey(int key) const override;
    void OnMouseButton(MouseButton button, bool down) override;
    void OnQuitRequest() override { Quit(); }

    // Sounds by table ID, or by bare file name in Base/Sound/ ("Pop.wav"). The frequency value
    // plays no part: the playback rate follows the match's time scale.
    void PlaySound(int id, int volume, int frequency, bool loop);
    void PlaySound(const std::string& name, int volume, int frequency, bool loop);
    void StopSound(int id);
    void StopSound(const std::string& name);
    int FindSound(const std::string& name) const;

    void LogLine(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void Quit() { quit_ = true; }
    bool QuitRequested() const { return quit_; }

    // Sprites by name once, then by position every frame (the graphics table's lookups).
    int FindSpriteIndex(const std::string& name) const;
    const Sprite* GetSprite(int position) const;

    float GetStep() const;
    float GetTimeScale() const;
    void SetTimeScaleTarget(float value);

    // The name for this run (-name) when given, else the saved one.
    const std::string& PlayerName() const { return runName_ ? *runName_ : playerName_; }
    void SetPlayerName(const std::string& name) {
        playerName_ = name;
        runName_.reset();
    }
    // A name for this run alone: it is not saved.
    void SetRunName(const std::string& name) { runName_ = name; }
    // The bots' skill, 1 to 5, for the running match and the ones started after it.
    int BotSkill() const { return botSkill_; }
    void SetBotSkill(int skill);
    bool Developer() const { return developer_; }
    void SetDeveloper(bool on) { developer_ = on; }
    Console* GetConsole() const { return console_.get(); }
    GraphicsTable* Graphics() const { return graphics_.get(); }
    Renderer* GetRenderer() const { return renderer_.get(); }
    SoundSystem* GetSoundSystem() const { return sound_.get(); }
    FrameTimer* Timer() const { return timer_.get(); }
    InputSystem* Input() const { return input_.get(); }
    Game* CurrentGame() const { return game_.get(); }
    const GameFolders& Folders() const { return folders_; }

private:
    // What every caller passes to the sound system; it explains why neither matters.
    static constexpr int kSoundVolume = 5;
    static constexpr int kSoundFrequency = 22050;

    void DrawMenu();
    void AfterNetFrame();
    void OpenLog();
    std::string FolderProblemLine() const;
    void SavePreferences();
    std::unique_ptr<Game> MakeGame(int maxClients, int fragLimit, GameType type);
    std::string MapNotOpened(const std::string& mapName) const;

    std::unique_ptr<Game> game_;
    GameFolders folders_;
    std::unique_ptr<Renderer> renderer_;
    std::unique_ptr<InputSystem> input_;
    bool developer_ = false;
    int botSkill_ = 3;
    std::unique_ptr<SoundSystem> sound_;
    std::unique_ptr<FrameTimer> timer_;
    std::unique_ptr<GraphicsTable> graphics_;
    std::unique_ptr<Console> console_;
    bool quit_ = false;
    std::string playerName_;
    Log log_;
    int menuSprite_ = -1;
    CursorDevice* cursor_ = nullptr;
    bool drawing_ = true;
    bool botInHumanSlot_ = false;
    std::optional<std::string> runName_;
    std::filesystem::path mapPath_;
    std::unique_ptr<NetSession> net_;
    std::uint64_t matchNumber_ = 0;
};

// The process-wide App, set right after construction and cleared right before destruction.
extern App* g_app;
