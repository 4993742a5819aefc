#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

// Writes what the player's hands did, what the game read of the keyboard and how long each
// frame took, in the replay script's format: a run replayed from the file sees the same keys,
// buttons, cursor and frame steps at the same frames, so it repeats the match exactly whatever
// the frame rate was, and stops where the run stopped.
//
// A recording is most wanted after a crash, so it goes to FILE.part as the run goes, flushed
// every second of frames; a run that ends puts it in place of FILE whole.
class InputRecorder {
public:
    // Starts the recording of `path` with the run's random seed and a comment line (the flags
    // to replay with).
    InputRecorder(std::filesystem::path path, unsigned int seed, const std::string& comment);

    // Where the run so far is kept until it ends.
    static std::filesystem::path PartPath(std::filesystem::path path) { return path += ".part"; }
    // Why the recording cannot be written; empty while it can.
    const std::string& Problem() const { return problem_; }

    // The main loop's pass numbers, as the script counts them; the recording starts at 0.
    void NextFrame();

    void Key(int key, bool down);
    // A key the game read as held, or no longer held, without a press or release.
    void Hold(int key, bool down);
    // The game read no key events this pass: they were lost.
    void KeyboardLost();
    void MouseButton(int button, bool down);
    void Cursor(int x, int y);
    // One reading of the clock moved this far since the one before.
    void Step(std::int64_t nanoseconds);

    // Ends the recording where the run stopped, after `frames` passes, and puts it in place of
    // the file whole; false with the reason otherwise (FILE.part then keeps it).
    bool Finish(long frames, std::string* why);

private:
    void Add(const std::string& line);
    void Flush();

    std::filesystem::path path_;
    std::ofstream part_;
    std::string pending_;
    std::size_t size_ = 0;  // of the whole recording, flushed or not
    long frame_ = 0;
    bool full_ = false;
    std::string problem_;
};
