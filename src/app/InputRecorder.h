#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// Writes what the player's hands did, and how long each frame took, in the replay script's
// format: a run replayed from the file sees the same keys, buttons, cursor and frame steps at
// the same frames, so it repeats the match exactly whatever the frame rate was.
class InputRecorder {
public:
    // The run's random seed and a comment line (the flags to replay with).
    InputRecorder(unsigned int seed, const std::string& comment);

    // The main loop's pass numbers, as the script counts them; the recording starts at 0.
    void NextFrame() { ++frame_; }
    long Frame() const { return frame_; }

    void Key(int key, bool down);
    void MouseButton(int button, bool down);
    void Cursor(int x, int y);
    // One reading of the clock moved this far since the one before.
    void Step(std::int64_t nanoseconds);

    const std::string& Text() const { return text_; }
    // Replaces the file whole, never leaving half of it; false with the reason otherwise.
    bool Save(const std::filesystem::path& path, std::string* why) const;

    // Past this the recording stops, and says so at its end: an endless run must not fill the
    // disk. A step line a frame is about 23 bytes: some 40 hours of play at 80 frames a second.
    static constexpr std::size_t kMaxBytes = 256u << 20;

private:
    void Add(const std::string& line);

    std::string text_;
    long frame_ = 0;
    bool full_ = false;
};
