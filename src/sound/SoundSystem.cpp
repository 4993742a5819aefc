#include "sound/SoundSystem.h"

#include <algorithm>
#include <fstream>

#include "core/Log.h"
#include "core/Random.h"
#include "core/TextFormat.h"
#include "sound/SoundTable.h"
#include "sound/WaveFile.h"

SoundSystem::SoundSystem(std::unique_ptr<AudioDevice> device, Log& log, std::filesystem::path root,
                         MatchTimeScale matchTimeScale)
    : device_(std::move(device)),
      log_(log),
      root_(std::move(root)),
      matchTimeScale_(std::move(matchTimeScale)) {}

SoundSystem::~SoundSystem() { Shutdown(); }

void SoundSystem::Initialize() {
    log_.Line("Initializing DirectSound...");
    if (device_ && !deviceOpen_) {
        if (const auto why = device_->Open()) {
            log_.Line("No sound device (%s): the game runs silently.", why->c_str());
        } else {
            deviceOpen_ = true;
        }
    }
    muted_ = false;
}

void SoundSystem::LoadSoundTable(const std::string& path) {
    std::ifstream table(root_ / path);
    if (!table) {
        log_.Line("Couldn't load the sound table \"%s\": there are no sounds.", path.c_str());
        return;
    }
    if (LoadSoundTable(table) == 0)
        log_.Line("The sound table \"%s\" names no sounds: the game runs silently.", path.c_str());
}

int SoundSystem::LoadSoundTable(std::istream& table) {
    int lines = 0;
    bool full = false;
    ReadSoundTable(table, [&](const SoundTableLine& line) {
        ++lines;
        if (Count() >= kMaxSounds) {
            if (!full)
                log_.Line("The sound table stops at %d sounds; the rest is not read.", kMaxSounds);
            full = true;
            return;
        }
        const std::string path = kSoundDirectory + line.fileName;
        const std::string shown = Printable(path);  // a garbled table holds any bytes
        const auto failure = Append(path, line.copies, line.copiesAsWritten);
        log_.Line("Loading \"%s\" to ID %d...", shown.c_str(), Count() - 1);
        if (failure) log_.Line("Couldn't load \"%s\": %s.", shown.c_str(), failure->c_str());
        if (line.copies > kMaxSoundCopies) {
            log_.Line("\"%s\" asks for %s copies and gets %d.", shown.c_str(),
                      line.copiesAsWritten.c_str(), kMaxSoundCopies);
        }
    });
    return lines;
}

int SoundSystem::LoadSound(const std::string& path, int copies) {
    if (const auto failure = Append(path, copies, std::to_string(copies))) {
        log_.Line("Couldn't load \"%s\": %s.", Printable(path).c_str(), failure->c_str());
    }
    return Count() - 1;
}

std::optional<std::string> SoundSystem::Append(const std::string& path, int copies,
                                               const std::string& copiesAsWritten) {
    Entry& entry = entries_.emplace_back(Entry{nullptr, path});
    if (copies < 1) return "a copies count of " + copiesAsWritten;
    // Without an output nothing is loaded; Initialize has said so once.
    if (!deviceOpen_) return std::nullopt;
    WaveFile wave;
    const WaveResult read = ReadWave(root_ / path, wave);
    if (read != WaveResult::Ok) return DescribeWaveResult(read);
    std::string why;
    entry.sound = device_->Load(wave, std::min(copies, kMaxSoundCopies), why);
    if (!entry.sound) return why;
    return std::nullopt;
}

SoundCopies* SoundSystem::Sound(int id) const {
    if (id < 0 || id >= Count()) return nullptr;
    return entries_[static_cast<std::size_t>(id)].sound.get();
}

int SoundSystem::PlaybackRate() const {
    const std::optional<float> scale = matchTimeScale_ ? matchTimeScale_() : std::nullopt;
    if (!scale) return kBasePlaybackRate;
    return static_cast<int>(static_cast<float>(kBasePlaybackRate) * *scale);
}

void SoundSystem::Play(int id, int volume, bool loop) {
    // The volume is hundredths of a decibel below full; every caller passes 5, above full,
    // which the output refuses, so every sound plays at full volume.
    static_cast<void>(volume);
    SoundCopies* sound = Sound(id);
    if (muted_ || sound == nullptr) return;
    int copy = 0;
    while (copy < sound->Count() && sound->IsPlaying(copy))
        ++copy;
    // All busy: one of them, chosen at random, takes the request and goes on where it is. Which
    // copies are busy depends on the device's timing, so the draw comes from the sound system's
    // own generator, never the match's.
    if (copy == sound->Count()) copy = busyCopyRandom_.Next() % sound->Count();
    sound->Play(copy, PlaybackRate(), loop);
}

void SoundSystem::Stop(int id) {
    SoundCopies* sound = Sound(id);
    if (sound == nullptr) return;
    for (int copy = 0; copy < sound->Count(); ++copy)
        sound->Stop(copy);
}

int SoundSystem::FindSoundFile(const std::string& fileName) const {
    return FindSound(kSoundDirectory + fileName);
}

int SoundSystem::FindSound(const std::string& path) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return entry.name == path; });
    return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

void SoundSystem::Shutdown() {
    if (!device_) return;
    log_.Line("Shutting down DirectSound...");
    entries_.clear();
    if (deviceOpen_) device_->Close();
    deviceOpen_ = false;
    device_.reset();
}
