#pragma once

#include <array>
#include <string>
#include <vector>

// One bot of Bots.cfg: its name, the names others call it by, how it fights and how much it
// talks. Values a section leaves out keep these defaults: a middling fighter who speaks now and
// then.
struct BotProfile {
    static constexpr int kDefaultChattyEvent = 50;
    static constexpr int kDefaultChattyMisc = 10;
    static constexpr int kDefaultChattyRespond = 30;
    static constexpr int kDefaultCamp = 30;
    static constexpr float kDefaultAcc = 8.0f;

    std::string name;
    std::vector<std::string> nicks;
    int chattyEvent = kDefaultChattyEvent;      // percent chance of a remark on an event
    int chattyMisc = kDefaultChattyMisc;        // percent chance of a remark per misc check
    int chattyRespond = kDefaultChattyRespond;  // percent chance of answering a line
    int chat = -1;                              // chat set index, -1 for none
    std::array<int, 3> camp{kDefaultCamp, kDefaultCamp, kDefaultCamp};  // percent chance to camp
    // Half the height of the window around the target the aim must cross to fire.
    std::array<float, 3> acc{kDefaultAcc, kDefaultAcc, kDefaultAcc};
};
