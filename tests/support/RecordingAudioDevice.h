#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sound/AudioDevice.h"
#include "sound/WaveFile.h"

// What a silent sound output was asked to do. It lives in the test, so it can still be read
// after the output (and the sound system or App that owned it) is gone.
struct AudioRecord {
    enum class Kind {
        Started,  // an idle copy began to play from where it stood
        Retuned,  // a playing copy took a new rate and looping and went on where it was
        Stopped,  // a copy was stopped and rewound
    };

    struct Event {
        Kind kind = Kind::Started;
        int sound = 0;  // the sound's place in load order on this output (not its table ID)
        int copy = 0;
        int rate = 0;
        bool loop = false;
        bool operator==(const Event&) const = default;
    };

    // Marks a copy as played to its end.
    void Finish(int sound, int copy) { playing.at(sound).at(copy) = false; }

    bool open = false;
    int liveSounds = 0;       // loaded sounds not yet released
    std::vector<int> copies;  // per loaded sound
    std::vector<std::vector<bool>> playing;
    std::vector<Event> events;
};

// An output that plays nothing and writes everything into an AudioRecord. Copies play until
// they are stopped or the test finishes them.
class RecordingAudioDevice final : public AudioDevice {
public:
    explicit RecordingAudioDevice(AudioRecord& record) : record_(record) {}

    std::optional<std::string> Open() override {
        record_.open = true;
        return std::nullopt;
    }
    void Close() override { record_.open = false; }
    std::unique_ptr<SoundCopies> Load(const WaveFile& wave, int copies, std::string& why) override;

private:
    AudioRecord& record_;
};
