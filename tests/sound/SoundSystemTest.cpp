#include "sound/SoundSystem.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/Log.h"
#include "core/Random.h"
#include "support/FileText.h"
#include "support/RecordingAudioDevice.h"
#include "support/TestFolder.h"
#include "support/WaveBytes.h"

using Kind = AudioRecord::Kind;
using Event = AudioRecord::Event;

namespace {

// A sound system over a fresh folder, playing into a record, logging into Log.txt.
class SoundSystemTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = FreshTestFolder("sound");
        log_.Open(root_ / "Log.txt");
        SeedRandom(1);
    }

    void AddSound(const std::string& name, const Bytes& bytes = WaveBytes::Pcm(22050, 1, 16, 200)) {
        WriteBytes(root_ / "Base" / "Sound" / name, bytes);
    }

    std::unique_ptr<SoundSystem> MakeWithTable(const std::string& table) {
        auto sound = std::make_unique<SoundSystem>(std::make_unique<RecordingAudioDevice>(record_),
                                                   log_, root_, nullptr);
        sound->Initialize();
        std::istringstream in(table);
        sound->LoadSoundTable(in);
        return sound;
    }

    std::filesystem::path root_;
    Log log_;
    AudioRecord record_;
};

}  // namespace

// Every line takes the next ID, loaded or not, and the log says why a line did not load.
TEST_F(SoundSystemTest, TableLinesBecomeIdsInOrderAndBadOnesSayWhy) {
    AddSound("A.wav");
    Bytes cut = WaveBytes::Pcm(22050, 1, 16, 200);
    cut.resize(100);
    AddSound("Short.wav", cut);
    auto sound = MakeWithTable(
        "; the table\n\nA.wav 500\nShort.wav\nA.wav 0\nBad\x01\xff.wav\n"
        "A.wav 99999999999999999999\n");
    ASSERT_EQ(sound->Count(), 5);
    for (int id = 0; id < 5; ++id)
        EXPECT_EQ(sound->IsLoaded(id), id == 0 || id == 4) << id;
    EXPECT_EQ(record_.copies, (std::vector<int>{kMaxSoundCopies, kMaxSoundCopies}));

    // Playing or stopping what is not loaded, or not there, does nothing.
    for (const int id : {2, -1, 1000}) {
        sound->Play(id, 5, false);
        sound->Stop(id);
    }
    EXPECT_TRUE(record_.events.empty());

    sound.reset();
    EXPECT_EQ(ReadLines(root_ / "Log.txt"),
              (std::vector<std::string>{
                  "Initializing DirectSound...",
                  "Loading \"Base/Sound/A.wav\" to ID 0...",
                  "\"Base/Sound/A.wav\" asks for 500 copies and gets 16.",
                  "Loading \"Base/Sound/Short.wav\" to ID 1...",
                  "Couldn't load \"Base/Sound/Short.wav\": the \"data\" chunk runs past the end "
                  "of the file.",
                  "Loading \"Base/Sound/A.wav\" to ID 2...",
                  "Couldn't load \"Base/Sound/A.wav\": a copies count of 0.",
                  // Names from the file go to the log with no raw bytes.
                  "Loading \"Base/Sound/Bad\\x01\\xff.wav\" to ID 3...",
                  "Couldn't load \"Base/Sound/Bad\\x01\\xff.wav\": cannot open the file.",
                  "Loading \"Base/Sound/A.wav\" to ID 4...",
                  // Counts as written, then the cap.
                  "\"Base/Sound/A.wav\" asks for 99999999999999999999 copies and gets 16.",
                  "Shutting down DirectSound...",
              }));
}

TEST_F(SoundSystemTest, PlayTakesTheFirstIdleCopyElseABusyOneWithoutRestartingIt) {
    AddSound("Shot.wav");
    auto sound = MakeWithTable("Shot.wav 2\n");
    sound->Play(0, 5, false);
    sound->Play(0, 5, false);
    sound->Play(0, 5, true);  // both busy: one goes on where it was, now looping
    EXPECT_EQ(record_.events[0], (Event{Kind::Started, 0, 0, 22050, false}));
    EXPECT_EQ(record_.events[1], (Event{Kind::Started, 0, 1, 22050, false}));
    EXPECT_EQ(record_.events[2].kind, Kind::Retuned);
    EXPECT_TRUE(record_.events[2].loop);
    // The busy copy was drawn without touching the match's sequence.
    EXPECT_EQ(RandomInt(), RandomGenerator(1).Next());

    record_.Finish(0, 1);  // a copy that has ended is idle again
    sound->Play(0, 5, false);
    EXPECT_EQ(record_.events.back(), (Event{Kind::Started, 0, 1, 22050, false}));

    // Stop stops and rewinds every copy. Muted, nothing new starts and nothing playing stops.
    sound->Stop(0);
    EXPECT_EQ(record_.events[4], (Event{Kind::Stopped, 0, 0, 0, false}));
    EXPECT_EQ(record_.events[5], (Event{Kind::Stopped, 0, 1, 0, false}));
    sound->Play(0, 5, true);
    sound->SetMuted(true);
    sound->Play(0, 5, false);
    EXPECT_EQ(record_.events.size(), 7u);
    EXPECT_EQ(record_.playing[0], (std::vector<bool>{true, false}));
}

TEST_F(SoundSystemTest, MissingOrEndlessTablesAreBoundedAndSaySo) {
    auto sound = MakeWithTable("");
    sound->LoadSoundTable("Base/BWsnd.stb");
    EXPECT_EQ(sound->Count(), 0);
    WriteBytes(root_ / "Base" / "BWsnd.stb", {';', '\n', '\n'});
    sound->LoadSoundTable("Base/BWsnd.stb");
    EXPECT_NE(ReadAll(root_ / "Log.txt").find("The sound table \"Base/BWsnd.stb\" names no sounds"),
              std::string::npos);
    std::string table;
    for (int i = 0; i < kMaxSounds + 10; ++i)
        table += "Missing" + std::to_string(i) + ".wav\n";
    std::istringstream in(table);
    sound->LoadSoundTable(in);
    EXPECT_EQ(sound->Count(), kMaxSounds);
    const std::string log = ReadAll(root_ / "Log.txt");
    EXPECT_NE(log.find("Couldn't load the sound table \"Base/BWsnd.stb\""), std::string::npos);
    EXPECT_NE(log.find("The sound table stops at 1024 sounds"), std::string::npos);
}
