#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "Score.h"
#include "Synth.h"

namespace {
Score Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseScore(in);
}

std::string ErrorOf(const std::string& text) {
    try {
        Parse(text);
    } catch (const ScoreError& error) {
        return error.what();
    }
    return "no error";
}

const char* const kHeader =
    "tempo 60\nsteps 2\n"
    "instrument tone wave=sine sustain=1 attack=0.01 release=0.2 gain=0.5\n"
    "instrument hit wave=noise sustain=0 decay=0.1 freq=100\n";
}  // namespace

TEST(SynthTest, ScoresLayPatternsOnAStepGrid) {
    const Score score = Parse(std::string(kHeader) +
                              "pattern a ; holds, chords, a hit and a voice going on below\n"
                              "tone : A4 - . C4/E4 -\n"
                              "     : - G4\n"
                              "hit+tone : . x\n"
                              "pattern b\n"
                              "hit : X\n"
                              "play a b*2,a\n"
                              "play b\n");
    // a (7 steps) alongside b, b and a (1 + 1 + 7), then b once more.
    EXPECT_EQ(score.steps, 10);
    const auto& a = score.patterns.at("a").notes;
    ASSERT_EQ(a.size(), 6u);
    EXPECT_EQ(a[1].steps, 3);        // held across the line break
    EXPECT_EQ(a[4].instrument, 1u);  // "x": the hit's own pitch, softly
    EXPECT_FLOAT_EQ(a[4].frequency, 100.0f);
    EXPECT_FLOAT_EQ(a[4].velocity, 0.6f);
    EXPECT_EQ(score.notes.size(), 6u + 1 + 1 + 6 + 1);

    EXPECT_NEAR(NoteFrequency("C#5"), 554.37f, 0.01f);
    EXPECT_NEAR(NoteFrequency("Eb3"), 155.56f, 0.01f);
    EXPECT_EQ(NoteFrequency("A45"), 0.0f);
}

TEST(SynthTest, MistakesNameTheirLine) {
    const std::string h = kHeader;
    const std::pair<std::string, std::string> cases[] = {
        {"tempo 60\nwobble 3\n", "line 2: unknown word wobble"},
        {h + "pattern a\ndrum : x\n", "line 6: no instrument drum"},
        {h + "pattern a\ntone : - A4\n", "line 6: a hold with no note"},
        {h + "pattern a\ntone : Q4\n", "line 6: not a note: Q4"},
        {"instrument x colour=red\n", "line 1: unknown instrument setting colour=red"},
        {"tone : A4\n", "line 1: notes outside a pattern"},
        {"play nothing\n", "line 1: no pattern nothing"},
        {h + "pattern a\ntone : A4\nplay a*0\n", "line 7: repeats out of range: a*0"},
        {"tempo 60\n", "line 0: nothing is played"},
    };
    for (const auto& [text, error] : cases)
        EXPECT_EQ(ErrorOf(text), error);
}

TEST(SynthTest, NotesSoundAtTheirPitchAndFadeToSilence) {
    Instrument sine;
    sine.sustain = 1.0f;
    const auto samples = RenderNote(sine, 441.0f, 1.0f, 1.0f, kSynthRate, 1);
    int crossings = 0;
    for (std::size_t i = 1; i < static_cast<std::size_t>(kSynthRate); ++i)
        crossings += (samples[i - 1] < 0.0f) != (samples[i] < 0.0f);
    EXPECT_NEAR(crossings, 882, 2);
    EXPECT_FLOAT_EQ(samples.front(), 0.0f);    // attacks rise from silence ...
    EXPECT_NEAR(samples.back(), 0.0f, 1e-4f);  // ... and releases fall to it
}

// The files it writes are read by the game's own reader in the sound tests and at every start.
TEST(SynthTest, LoopsWrapTheirTailsRound) {
    const std::string text = std::string(kHeader) + "pattern a\ntone : A4 . . C5\nplay a\n";
    const auto plain = RenderScore(Parse(text), kSynthRate);
    const auto loop = RenderScore(Parse("loop\n" + text), kSynthRate);
    // Four steps of half a second; the last note's release rings on past the end, and in the
    // loop it sounds again at the start.
    ASSERT_EQ(loop.size(), static_cast<std::size_t>(2 * kSynthRate));
    ASSERT_GT(plain.size(), loop.size());
    for (std::size_t i = loop.size(); i < plain.size(); ++i)
        EXPECT_FLOAT_EQ(loop[i - loop.size()], plain[i - loop.size()] + plain[i]);
}
