#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "console/LineRecall.h"

class Font;
class GraphicsTable;
class Renderer;

// The drop-down text panel: a history of the printed lines, the newest 15 shown over the top
// half of the screen, and the line being typed below them.
class Console {
public:
    static constexpr int kVisibleLines = 15;
    // Most lines the history keeps. Kills and chat print without end: an hour of 64 bots grew
    // it by tens of megabytes. Past this the oldest quarter goes, all at once.
    static constexpr int kMaxHistory = 4096;

    Console(Renderer& renderer, const GraphicsTable& graphics);
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // One history line, formatted printf-style and cut at 255 characters. An empty format prints
    // nothing.
    void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // One history line taken as it stands (cut at 255 characters).
    void PrintText(const std::string& text);

    void Draw(Renderer& renderer) const;
    void Toggle();
    // One typed key (the game's key numbers). Enter echoes the line and hands it to the
    // command handler; Up and Down recall entered lines, Tab completes the last word, Page Up
    // and Page Down scroll the history.
    void OnKey(int key, bool shiftHeld);
    void SetCommandHandler(std::function<void(const std::string&)> handler) {
        commandHandler_ = std::move(handler);
    }
    // What Tab may complete the last word to, given the words before it.
    using Completer = std::function<std::vector<std::string>(const std::vector<std::string>&)>;
    void SetCompleter(Completer completer) { completer_ = std::move(completer); }
    bool IsOpen() const { return open_; }

    const std::vector<std::string>& History() const { return history_; }
    int TopLine() const { return topLine_; }
    const std::string& InputLine() const { return input_; }

private:
    void Append(std::string line);
    // The top line that shows the newest lines.
    int LastTopLine() const;
    // What the keys that edit, recall and scroll do.
    void Erase();
    void Enter();
    void RecallOlder();
    void RecallNewer();
    void Complete();
    void ScrollBack();
    void ScrollForward();
    using KeyAction = void (Console::*)();
    struct EditKey {
        int key;
        KeyAction action;
    };
    static const EditKey kEditKeys[];

    std::string input_;
    std::function<void(const std::string&)> commandHandler_;
    Completer completer_;
    LineRecall recall_;
    bool open_ = false;
    int topLine_ = 0;
    std::vector<std::string> history_;
    std::unique_ptr<Font> font_;
    int backgroundSprite_;
    const GraphicsTable& graphics_;
};
