#include "support/RecordingAudioDevice.h"

namespace {
class RecordedCopies final : public SoundCopies {
public:
    RecordedCopies(AudioRecord& record, int sound) : record_(record), sound_(sound) {
        ++record_.liveSounds;
    }
    ~RecordedCopies() override { --record_.liveSounds; }
    RecordedCopies(const RecordedCopies&) = delete;
    RecordedCopies& operator=(const RecordedCopies&) = delete;

    int Count() const override { return record_.copies.at(sound_); }
    bool IsPlaying(int copy) const override { return Playing(copy); }
    void Play(int copy, int rate, bool loop) override {
        const auto kind = IsPlaying(copy) ? AudioRecord::Kind::Retuned : AudioRecord::Kind::Started;
        record_.events.push_back({kind, sound_, copy, rate, loop});
        Playing(copy) = true;
    }
    void Stop(int copy) override {
        record_.events.push_back({AudioRecord::Kind::Stopped, sound_, copy, 0, false});
        Playing(copy) = false;
    }

private:
    // Looked up each time: loading another sound may move the lists.
    std::vector<bool>::reference Playing(int copy) const {
        return record_.playing.at(sound_).at(static_cast<std::size_t>(copy));
    }

    AudioRecord& record_;
    int sound_;
};
}  // namespace

std::unique_ptr<SoundCopies> RecordingAudioDevice::Load(const WaveFile&, int copies,
                                                        std::string& why) {
    if (!record_.open) {
        why = "not open";
        return nullptr;
    }
    const int sound = static_cast<int>(record_.copies.size());
    record_.copies.push_back(copies);
    record_.playing.emplace_back(static_cast<std::size_t>(copies), false);
    return std::make_unique<RecordedCopies>(record_, sound);
}
