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

    void AddSound(const std::string& name, const Bytes& bytes) {
        WriteBytes(root_ / "Base" / "Sound" / name, bytes);
    }
    void AddSound(const std::string& name) { AddSound(name, WaveBytes::Pcm(22050, 1, 16, 200)); }

    std::unique_ptr<SoundSystem> Make(SoundSystem::MatchTimeScale scale = nullptr) {
        auto sound = std::make_unique<SoundSystem>(std::make_unique<RecordingAudioDevice>(record_),
                                                   log_, root_, std::move(scale));
        sound->Initialize();
        return sound;
    }

    std::unique_ptr<SoundSystem> MakeWithTable(const std::string& table,
                                               SoundSystem::MatchTimeScale scale = nullptr) {
        auto sound = Make(std::move(scale));
        std::istringstream in(table);
        sound->LoadSoundTable(in);
        return sound;
    }

    std::vector<std::string> LogLines() { return ReadLines(root_ / "Log.txt"); }

    std::filesystem::path root_;
    Log log_;
    AudioRecord record_;
};

}  // namespace

TEST_F(SoundSystemTest, TableLinesBecomeIdsInOrderAndEachLoadIsLogged) {
    AddSound("A.wav");
    AddSound("B.wav");
    auto sound = MakeWithTable("; the table\n\nA.wav\nMissing.wav 2\nB.wav 3\n");
    ASSERT_EQ(sound->Count(), 3);
    EXPECT_TRUE(sound->IsLoaded(0));
    EXPECT_FALSE(sound->IsLoaded(1));  // a missing file still takes its ID
    EXPECT_TRUE(sound->IsLoaded(2));
    EXPECT_EQ(record_.copies, (std::vector<int>{1, 3}));
    EXPECT_EQ(sound->FindSound("Base/Sound/B.wav"), 2);
    EXPECT_EQ(sound->FindSound("Base/Sound/b.wav"), -1);
    EXPECT_EQ(sound->FindSound("B.wav"), -1);
    EXPECT_EQ(sound->LoadSound("Base/Sound/A.wav", 1), 3);  // the same file again: a new entry
    EXPECT_EQ(sound->FindSound("Base/Sound/A.wav"), 0);

    // Playing or stopping what is not loaded, or not there, does nothing.
    for (const int id : {1, -1, 4, 1000}) {
        sound->Play(id, 5, false);
        sound->Stop(id);
    }
    EXPECT_TRUE(record_.events.empty());

    sound.reset();
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              "Initializing DirectSound...",
                              "Loading \"Base/Sound/A.wav\" to ID 0...",
                              "Loading \"Base/Sound/Missing.wav\" to ID 1...",
                              "Couldn't load \"Base/Sound/Missing.wav\": cannot open the file.",
                              "Loading \"Base/Sound/B.wav\" to ID 2...",
                              "Shutting down DirectSound...",
                          }));
    EXPECT_EQ(record_.liveSounds, 0);
    EXPECT_FALSE(record_.open);
}

TEST_F(SoundSystemTest, BadFilesAndCountsKeepTheirIdsAndSayWhy) {
    AddSound("Good.wav");
    AddSound("Odd.wav", WaveBytes::Pcm(11025, 2, 8, 100));
    Bytes cut = WaveBytes::Pcm(22050, 1, 16, 200);
    cut.resize(100);
    AddSound("Short.wav", cut);
    const std::string longName(60, 'x');
    auto sound =
        MakeWithTable("Short.wav\nGood.wav 0\nGood.wav -3\nGood.wav 500\nOdd.wav\n" + longName +
                      " 2\nGood.wav 2\nGood.wav 99999999999999999999\nBad\x01\xff.wav\n");
    ASSERT_EQ(sound->Count(), 9);
    for (int id = 0; id < 9; ++id)
        EXPECT_EQ(sound->IsLoaded(id), id == 3 || id == 4 || id == 6 || id == 7) << id;
    // Huge counts are held at the cap; an 8-bit stereo 11025 Hz file loads like any other.
    EXPECT_EQ(record_.copies, (std::vector<int>{kMaxSoundCopies, 1, 2, kMaxSoundCopies}));
    EXPECT_EQ(record_.loaded[1].bitsPerSample, 8);
    EXPECT_EQ(sound->FindSound("Base/Sound/" + longName.substr(0, 39)), 5);

    const std::string log = ReadAll(root_ / "Log.txt");
    for (const char* expected : {
             "Couldn't load \"Base/Sound/Short.wav\": the \"data\" chunk runs past the end",
             "Couldn't load \"Base/Sound/Good.wav\": a copies count of 0.",
             "Couldn't load \"Base/Sound/Good.wav\": a copies count of -3.",
             "\"Base/Sound/Good.wav\" asks for 500 copies and gets 16.",
             "Loading \"Base/Sound/Good.wav\" to ID 6...",
             // Counts as written, names with no raw bytes.
             "\"Base/Sound/Good.wav\" asks for 99999999999999999999 copies and gets 16.",
             "Couldn't load \"Base/Sound/Bad\\x01\\xff.wav\": cannot open the file.",
         }) {
        EXPECT_NE(log.find(expected), std::string::npos) << expected;
    }
}

TEST_F(SoundSystemTest, PlayTakesTheFirstIdleCopyElseARandomBusyOneWithoutRestartingIt) {
    AddSound("Shot.wav");
    auto sound = MakeWithTable("Shot.wav 3\n");
    for (int i = 0; i < 3; ++i)
        sound->Play(0, 5, false);
    sound->Play(0, 5, true);  // all three busy
    ASSERT_EQ(record_.events.size(), 4u);
    for (int copy = 0; copy < 3; ++copy)
        EXPECT_EQ(record_.events[copy], (Event{Kind::Started, 0, copy, 22050, false}));
    EXPECT_EQ(record_.events[3].kind, Kind::Retuned);  // goes on where it was
    EXPECT_TRUE(record_.events[3].loop);

    // The busy copy taken is chosen at random among all three.
    std::set<int> taken;
    for (int i = 0; i < 60; ++i) {
        sound->Play(0, 5, false);
        taken.insert(record_.events.back().copy);
    }
    EXPECT_EQ(taken, (std::set<int>{0, 1, 2}));

    // A copy that has ended is idle again and is the first one taken.
    record_.Finish(0, 1);
    sound->Play(0, 5, false);
    EXPECT_EQ(record_.events.back(), (Event{Kind::Started, 0, 1, 22050, false}));

    // Stop stops and rewinds every copy; the next play starts the first again.
    record_.events.clear();
    sound->Stop(0);
    EXPECT_EQ(record_.events, (std::vector<Event>{{Kind::Stopped, 0, 0, 0, false},
                                                  {Kind::Stopped, 0, 1, 0, false},
                                                  {Kind::Stopped, 0, 2, 0, false}}));
    sound->Play(0, 5, false);
    EXPECT_EQ(record_.events.back(), (Event{Kind::Started, 0, 0, 22050, false}));
}

TEST_F(SoundSystemTest, RateFollowsTheMatchTimeScaleAndMuteOnlyStopsNewSounds) {
    AddSound("Shot.wav");
    std::optional<float> scale;
    auto sound = MakeWithTable("Shot.wav 4\n", [&] { return scale; });

    sound->Play(0, 5, false);  // on the menu
    scale = 0.25f;             // slow motion in a match
    sound->Play(0, 5, false);
    scale = 1.0f;
    sound->Play(0, 5, true);
    ASSERT_EQ(record_.events.size(), 3u);
    EXPECT_EQ(record_.events[0].rate, 22050);
    EXPECT_EQ(record_.events[1].rate, 5512);
    EXPECT_EQ(record_.events[2].rate, 22050);

    sound->SetMuted(true);
    sound->Play(0, 5, false);
    EXPECT_EQ(record_.events.size(), 3u);  // nothing new starts, nothing playing is stopped
    EXPECT_EQ(record_.playing[0], (std::vector<bool>{true, true, true, false}));
    sound->Initialize();  // initialising again clears the flag
    EXPECT_FALSE(sound->Muted());
    sound->Play(0, 5, false);
    EXPECT_EQ(record_.events.back(), (Event{Kind::Started, 0, 3, 22050, false}));
}

TEST_F(SoundSystemTest, WithoutAnOutputTheGameRunsSilentlyAndSaysSoOnce) {
    record_.available = false;
    AddSound("A.wav");
    auto sound = MakeWithTable("A.wav\nB.wav 2\nA.wav\n");
    EXPECT_EQ(sound->Count(), 3);
    EXPECT_EQ(sound->FindSound("Base/Sound/B.wav"), 1);
    for (int id = 0; id < 3; ++id) {
        EXPECT_FALSE(sound->IsLoaded(id));
        sound->Play(id, 5, true);
    }
    EXPECT_TRUE(record_.events.empty());
    sound->Shutdown();
    sound->Shutdown();
    sound.reset();
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              "Initializing DirectSound...",
                              "No sound device (the test took the output away): the game runs "
                              "silently.",
                              "Loading \"Base/Sound/A.wav\" to ID 0...",
                              "Loading \"Base/Sound/B.wav\" to ID 1...",
                              "Loading \"Base/Sound/A.wav\" to ID 2...",
                              "Shutting down DirectSound...",
                          }));
}

TEST_F(SoundSystemTest, MissingEmptyOrEndlessTablesAreBoundedAndSaySo) {
    auto sound = Make();
    sound->LoadSoundTable("Base/BWsnd.stb");
    EXPECT_EQ(sound->Count(), 0);
    EXPECT_NE(ReadAll(root_ / "Log.txt").find("Couldn't load the sound table \"Base/BWsnd.stb\""),
              std::string::npos);
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
    EXPECT_NE(log.find("The sound table stops at 1024 sounds"), std::string::npos);
    EXPECT_EQ(log.find("Missing1024.wav"), std::string::npos);
}
