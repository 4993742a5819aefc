#pragma once

#include <filesystem>

class Renderer;

// Numbered screenshots "Screen0.tga" to "Screen255.tga" in one folder. Every number whose file
// already exists is skipped, so a shot never replaces one; when all 256 exist, no more are taken.
// No folder takes none: the game has nowhere of the player's to write.
class ScreenshotSeries {
public:
    static constexpr int kLimit = 256;

    // Finds the next free number; the folder is made by the first shot.
    explicit ScreenshotSeries(std::filesystem::path directory);

    int Next() const { return next_; }
    std::filesystem::path PathOf(int number) const;
    // Saves the frame under the next free number and moves on; nothing once the series is full.
    void Take(Renderer& renderer);

private:
    // Moves next_ past numbers whose files exist (kept since start-up or written since).
    void SkipTaken();

    std::filesystem::path directory_;
    int next_ = 0;
};
