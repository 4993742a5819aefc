#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "console/Console.h"
#include "content/GraphicsTable.h"
#include "core/FrameTimer.h"
#include "core/Log.h"
#include "game/Game.h"
#include "game/GameType.h"
#include "input/InputSystem.h"
#include "input/ScriptedKeyboard.h"
#include "support/FileText.h"
#include "support/ManualClock.h"
#include "support/RecordingListener.h"
#include "support/RecordingRenderer.h"
#include "support/ScriptedWindow.h"

// Everything a match needs, with no display, sound or wall clock: a recording renderer, a
// scripted keyboard, a manual clock. Sprites and skeleton files come from a Base folder when one
// is given (the built one, for whole maps).
class GameRig {
public:
    // `folder` is the player's: it receives Log.txt, Screenshots/ and saved skeleton files.
    explicit GameRig(const std::filesystem::path& folder,
                     const std::filesystem::path& spriteBase = {})
        : folder_(folder),
          base_(spriteBase.empty() ? folder / "Base" : spriteBase),
          log_(folder / "Log.txt"),
          graphics_(renderer, log_) {
        if (!spriteBase.empty()) graphics_.LoadBase(spriteBase);
        console = std::make_unique<Console>(renderer, graphics_);
        auto keys = std::make_unique<ScriptedKeyboard>();
        keyboard_ = keys.get();
        input = std::make_unique<InputSystem>(log_, std::move(keys));
        input->Initialize();
    }

    GameServices Services() {
        GameServices services(renderer, timer, log_);
        services.graphics = &graphics_;
        services.input = input.get();
        services.cursor = &cursor;
        services.developer = [this] { return developer; };
        services.print = [this](const std::string& line) { console->PrintText(line); };
        services.drawConsole = [this] { console->Draw(renderer); };
        services.screenshots = folder_ / "Screenshots";
        services.base = base_;
        // The rig's folder stands for the player's: his copies first, and written there.
        services.readFile = [this](const std::string& name) {
            return std::filesystem::exists(folder_ / name) ? folder_ / name : base_ / name;
        };
        services.writeFile = [this](const std::string& name, std::string& /*why*/) {
            return folder_ / name;
        };
        return services;
    }

    std::unique_ptr<Game> MakeGame(int players = 6, GameType type = GameType::FreeForAll,
                                   int fragLimit = 32) {
        return std::make_unique<Game>(Services(), players, fragLimit, type);
    }

    // A match on a floor from x 0 to 2000 with its top at y 500 and one spawn point on it,
    // started; nobody is in play yet.
    std::unique_ptr<Game> FloorGame(int players = 1, GameType type = GameType::FreeForAll,
                                    int fragLimit = 32) {
        auto game = MakeGame(players, type, fragLimit);
        MapContents& map = game->Map().Contents();
        map.bounds = Float4{0, 0, 2000, 1000};
        map.platforms.emplace_back(0, 500, 2000, 540);
        map.spawnPoints = {{1000, 488, 0}};
        game->Start();
        return game;
    }

    // A match on a map file, started.
    std::unique_ptr<Game> StartGame(const std::filesystem::path& map, int players = 6,
                                    GameType type = GameType::FreeForAll) {
        auto game = MakeGame(players, type);
        std::ifstream file(map, std::ios::binary);
        game->LoadMap(file, map.filename().string());
        game->Start();
        return game;
    }

    // Holds or lets go of a key through the input system's next poll.
    void Hold(int key, bool held = true) {
        held ? keyboard_->Press(key) : keyboard_->Release(key);
        RecordingListener ignored;
        input->Poll(ignored);
    }

    // One frame of the timer at the target rate.
    void Tick() {
        clock.AdvanceFrames(1);
        timer.Tick();
    }

    std::string LogText() {
        log_.Close();
        return ReadAll(folder_ / "Log.txt");
    }

    ManualClock clock;
    FrameTimer timer{80.0f, clock};
    RecordingRenderer renderer;
    ScriptedWindow cursor;  // only its cursor is used
    bool developer = false;
    std::unique_ptr<InputSystem> input;
    std::unique_ptr<Console> console;

private:
    std::filesystem::path folder_;
    std::filesystem::path base_;  // skeleton files
    Log log_;
    GraphicsTable graphics_;
    ScriptedKeyboard* keyboard_ = nullptr;
};
