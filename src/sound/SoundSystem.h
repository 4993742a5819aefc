#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Random.h"
#include "sound/AudioDevice.h"

class Log;

// Plays the sounds of the numbered sound table: short effects and the looping music. A
// sound's ID is the position of its line in the table; -1 means no sound.
class SoundSystem {
public:
    // The time scale of the running match, none while no match runs.
    using MatchTimeScale = std::function<std::optional<float>()>;

    // Sound files are looked for under `root`, the folder that holds Base/.
    SoundSystem(std::unique_ptr<AudioDevice> device, Log& log, std::filesystem::path root,
                MatchTimeScale matchTimeScale);
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    void Initialize();
    // Reads the table at `path` (under the root) and loads each line's file from Base/Sound/.
    void LoadSoundTable(const std::string& path);
    // The same from a stream; the number of lines that named a sound.
    int LoadSoundTable(std::istream& table);
    // Appends an entry for `path` (under the root) and returns its ID, loaded or not.
    int LoadSound(const std::string& path, int copies);
    void Play(int id, int volume, bool loop);
    void Stop(int id);
    // The ID of the first entry whose name is exactly `path`, or -1.
    int FindSound(const std::string& path) const;
    // The ID of a sound by its bare file name in Base/Sound/ ("Pop.wav"), or -1.
    int FindSoundFile(const std::string& fileName) const;
    void Shutdown();

    bool Muted() const { return muted_; }
    void SetMuted(bool muted) { muted_ = muted; }
    int Count() const { return static_cast<int>(entries_.size()); }
    bool IsLoaded(int id) const { return Sound(id) != nullptr; }

private:
    struct Entry {
        std::unique_ptr<SoundCopies> sound;  // none when the file could not be loaded
        std::string name;
    };

    // Appends an entry; the reason when its file could not be loaded. The count is shown as
    // the table wrote it.
    std::optional<std::string> Append(const std::string& path, int copies,
                                      const std::string& copiesAsWritten);
    SoundCopies* Sound(int id) const;
    int PlaybackRate() const;

    bool muted_ = false;
    std::unique_ptr<AudioDevice> device_;
    bool deviceOpen_ = false;
    std::vector<Entry> entries_;
    Log& log_;
    std::filesystem::path root_;
    MatchTimeScale matchTimeScale_;
    RandomGenerator busyCopyRandom_;
};

// The prefix the table's file names are loaded under, and the names found by name.
inline constexpr const char* kSoundDirectory = "Base/Sound/";
// Most copies one table line may ask for; more are held at this.
inline constexpr int kMaxSoundCopies = 16;
// Most entries one table may make; later lines are not read.
inline constexpr int kMaxSounds = 1024;
// The rate every sound plays at outside a match, and at normal speed within one.
inline constexpr int kBasePlaybackRate = 22050;
