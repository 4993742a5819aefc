#pragma once

#include <array>
#include <string>

// The five lines of kill, fall and chat messages, oldest first.
class MessageList {
public:
    static constexpr std::size_t kLines = 5;
    // How long the newest line holds the list before the oldest scrolls away.
    static constexpr float kHoldTime = 200.0f;

    // Into the first empty line; with none empty every line moves up and the oldest is lost.
    void Add(const std::string& text);
    // Once the hold time has run out the oldest line goes and the rest move up.
    void Scroll(float step);

    const std::array<std::string, kLines>& Lines() const { return lines_; }
    float Timer() const { return timer_; }

private:
    std::array<std::string, kLines> lines_;
    float timer_ = 0.0f;
};
