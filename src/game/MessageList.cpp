#include "game/MessageList.h"

#include <algorithm>

void MessageList::Add(const std::string& text) {
    timer_ = kHoldTime;
    for (std::string& line : lines_) {
        if (line.empty()) {
            line = text;
            return;
        }
    }
    std::rotate(lines_.begin(), lines_.begin() + 1, lines_.end());
    lines_.back() = text;
}

void MessageList::Scroll(float step) {
    timer_ -= step;
    if (timer_ >= 0.0f) return;
    timer_ = kHoldTime;
    std::rotate(lines_.begin(), lines_.begin() + 1, lines_.end());
    lines_.back().clear();
}
