#pragma once

#include <cstddef>
#include <deque>
#include <string>

// A bot's chatter: when it next thinks of a remark of its own, and the lines it is about to say.
struct ChatState {
    float timer = 0.0f;          // to the next unprompted remark check
    float deliveryTimer = 0.0f;  // to the next queued line said
    std::deque<std::string> queue;

    // Lines past this many waiting are dropped: a queue says one line a release, and bots
    // answering bots would otherwise pile up lines without end.
    static constexpr std::size_t kMostQueued = 3;
    void Queue(std::string line) {
        if (queue.size() < kMostQueued) queue.push_back(std::move(line));
    }
};
