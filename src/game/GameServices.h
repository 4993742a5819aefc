#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "game/Editor.h"

class CursorDevice;
class FrameTimer;
class GraphicsTable;
class InputSystem;
class Log;
class Renderer;
class SoundSystem;

// What a match uses of the program around it. The program passes its own services; tests pass
// a recording renderer, a scripted keyboard and a silent sound output.
struct GameServices {
    GameServices(Renderer& renderer_, FrameTimer& timer_, Log& log_)
        : renderer(renderer_), timer(timer_), log(log_) {}

    Renderer& renderer;
    FrameTimer& timer;
    Log& log;
    const GraphicsTable* graphics = nullptr;        // sprites; none draws none
    SoundSystem* sound = nullptr;                   // none plays nothing
    const InputSystem* input = nullptr;             // none holds no key
    CursorDevice* cursor = nullptr;                 // none reads the cursor at (0, 0)
    std::function<bool()> developer;                // the developer switch; none is off
    std::function<void(const std::string&)> print;  // a line on the console; none drops it
    std::function<void()> drawConsole;              // over the match; none draws nothing
    std::filesystem::path screenshots;              // the folder F9 saves into; none saves nothing
    std::filesystem::path base = "Base";            // the shipped weapons, bots and skeleton files
    // The files a player may keep copies of his own (the skeleton files): where to read one,
    // his copy first; none reads Base's.
    std::function<std::filesystem::path(const std::string& name)> readFile;
    // Where to write one, in his folder alone; an empty path and `why` when it cannot be
    // written. None writes nothing.
    std::function<std::filesystem::path(const std::string& name, std::string& why)> writeFile;
    std::string playerName = "Player";  // the human's name
    int botSkill = 3;                   // 1 to 5; 3 plays the bot profiles as written
    bool botInHumanSlot = false;        // a bot plays player 0 (a match nobody watches)
    EditorFactory openMapEditor;
    EditorFactory openAnimEditor;
};
