#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "core/Clock.h"

class Game;

// What a run leaves to read at its end: how long it simulated and how fast, the match's final
// scores in rank order, the most live objects it held at once and whether the frag limit ended
// it, and the seed. Every line but the wall time and the speed is the same for the same seed, map,
// players and script, with or without a screen.
class MatchSummary {
public:
    // The run's random seed, said first: a run is repeated with it.
    explicit MatchSummary(unsigned int seed) : seed_(seed) {}

    // After every frame: `game` is the running match, if any; `frames` how many frames of the
    // target rate the frame counted for.
    void Observe(const Game* game, float frames);
    // Keeps the running match's scores; call when the run ends. A match that was dropped
    // before then keeps what it had when it ended.
    void Finish(const Game* game);

    long Frames() const { return frames_; }
    // Whether a match ran at least one frame.
    bool MatchPlayed() const { return matchPlayed_; }
    double SimulatedSeconds() const { return simulatedFrames_ / kFramesPerSecond; }
    std::string Text(std::chrono::duration<double> wallTime) const;

private:
    struct Score {
        std::string name;
        int frags;
    };
    void TakeScores(const Game& game);

    unsigned int seed_;
    long frames_ = 0;
    bool matchPlayed_ = false;
    double simulatedFrames_ = 0.0;
    std::size_t peakLiveObjects_ = 0;
    std::size_t lastLiveObjects_ = 0;
    bool lastOver_ = false;  // the match of the last frame was over
    bool taken_ = false;
    std::string match_;
    bool fragLimitEnded_ = false;
    std::vector<Score> scores_;
    std::string teams_;
};
