#pragma once

#include <memory>
#include <optional>
#include <string>

struct WaveFile;

// The copies of one loaded sound: one set of samples shared by several voices that play
// independently of each other. Voices are numbered from 0 in the order they were made.
class SoundCopies {
public:
    virtual ~SoundCopies() = default;
    virtual int Count() const = 0;
    virtual bool IsPlaying(int copy) const = 0;
    // Plays the copy at `rate` samples per second. A copy that is already playing keeps its
    // place and only takes the new rate and looping; one that is not starts where it stands
    // (its start, unless something left it elsewhere).
    virtual void Play(int copy, int rate, bool loop) = 0;
    // Stops the copy and rewinds it to its start.
    virtual void Stop(int copy) = 0;
};

// The sound output as the sound system sees it; the platform layer provides it, tests record.
class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // Opens the default output. None when that worked, else why it did not.
    virtual std::optional<std::string> Open() = 0;
    // Releases the output; every SoundCopies made by it must be gone by then.
    virtual void Close() = 0;
    // Copies of a checked wave file; none, with the reason in `why`, when the output refuses it.
    virtual std::unique_ptr<SoundCopies> Load(const WaveFile& wave, int copies,
                                              std::string& why) = 0;
};
