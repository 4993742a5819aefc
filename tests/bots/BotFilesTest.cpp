#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>

#include "bots/BotFileLines.h"
#include "bots/BotFiles.h"
#include "bots/BotProfileFile.h"
#include "bots/ChatSetFile.h"
#include "bots/ResponseFile.h"
#include "core/Random.h"
#include "support/TestFolder.h"

namespace {
std::vector<ChatSet> Chats(const std::string& text) {
    std::istringstream in(text);
    return ReadChatSets(in);
}

std::vector<BotProfile> Bots(const std::string& text, const std::vector<ChatSet>& sets = {}) {
    std::istringstream in(text);
    return ReadBotProfiles(in, sets);
}

std::vector<Response> Responses(const std::string& text) {
    std::istringstream in(text);
    return ReadResponses(in);
}
}  // namespace

TEST(BotFilesTest, ChatSetsKeepTheirListsInEventOrder) {
    const auto sets = Chats(
        "; a comment\nchat\n{\n\tname=Jolly\n  misc\n  {\n\t  ; skipped\n   Nice day, #random#!\n"
        "\n  }\n kill\n {\nGot you = #killed#\n }\n}\n chat\nchat\n{\nname\nhello\n{\nhi\n}\n}\n");
    ASSERT_EQ(sets.size(), 2u);  // " chat" is no head line
    using Lines = std::vector<std::string>;
    EXPECT_EQ(std::tuple(sets[0].Lines(ChatEvent::Misc), sets[0].Lines(ChatEvent::Kill)),
              std::tuple(Lines{"Nice day, #random#!"}, Lines{"Got you = #killed#"}));
    EXPECT_EQ(sets[1].name, "");  // "name" without a value is ignored
    EXPECT_EQ(sets[1].Lines(ChatEvent::Hello), Lines{"hi"});
    EXPECT_EQ(std::pair(FindChatSet(sets, "Jolly"), FindChatSet(sets, "jolly")), std::pair(0, -1));
}

TEST(BotFilesTest, ProfilesReadKeysAndKeepDefaultsForWhatIsLeftOut) {
    const auto sets = Chats("chat\n{\nname=A\n}\nchat\n{\nname=B\n}\n");
    const auto bots = Bots(
        "bot\n{\n name=Zed\n nick=z,,zz\n nick=Zy,Zo\n acc=1.5, 2,3\n camp=-1,50\n chat=B\n"
        " chatty_event=99\n chatty_misc=+7\n chatty_respond\n name\n name=\n}\nbot \nbot\n{\n"
        " chat=C\n acc=x\n camp=1,2,99999999999\n chatty_misc=nan\n}\n",
        sets);
    ASSERT_EQ(bots.size(), 2u);
    const BotProfile &zed = bots[0], &plain = bots[1];
    EXPECT_EQ(std::tuple(zed.name, zed.nicks, zed.chat, zed.chattyEvent, zed.chattyMisc),
              std::tuple("Zed", std::vector<std::string>{"Zy", "Zo"}, 1, 99, 7));
    EXPECT_EQ(zed.acc, (std::array<float, 3>{1.5f, 2.0f, 3.0f}));
    EXPECT_EQ(zed.camp, (std::array<int, 3>{-1, 50, BotProfile::kDefaultCamp}));
    EXPECT_EQ(zed.chattyRespond, BotProfile::kDefaultChattyRespond);
    EXPECT_EQ(std::tuple(plain.chat, plain.acc[2], plain.chattyMisc),
              std::tuple(-1, BotProfile::kDefaultAcc, BotProfile::kDefaultChattyMisc));
    EXPECT_EQ(plain.camp, (std::array<int, 3>{1, 2, BotProfile::kDefaultCamp}));
}

TEST(BotFilesTest, TriggerWordsAreNormalisedLikeWhatWasSaid) {
    SeedRandom(3);
    const auto responses = Responses(
        "; comment\nHello!,Good-Bye\n{\n  Hi #from#\n}\n!!!\n{\nlost\n}\n#random#\n{\n}\n"
        "empty\n{\n}\n");
    ASSERT_EQ(responses.size(), 3u);  // "!!!" has no word left
    EXPECT_EQ(responses[0].triggers, (std::vector<std::string>{"hello", "good", "bye"}));
    EXPECT_EQ(responses[0].answers, std::vector<std::string>{"Hi #from#"});
    const std::vector<Response> greeting(responses.begin(), responses.begin() + 1);
    struct Row {
        const char* said;
        const char* answer;
    };
    for (const Row& row : {Row{"HELLO, there!", "Hi #from#"}, Row{"good-bye", "Hi #from#"},
                           Row{"hellothere", kNoResponse}, Row{"", kNoResponse}}) {
        EXPECT_EQ(FindResponse(greeting, row.said), row.answer) << row.said;
    }
    // "#random#" matches anything with a word; a response without answers says nothing.
    EXPECT_EQ(FindResponse(responses, "anything at all"), kNoResponse);
    EXPECT_EQ(FindResponse({}, "hello"), kNoResponse);
    EXPECT_EQ(SpokenWords(" Oi-you, there?! "), (std::vector<std::string>{"oi", "you", "there"}));
}

TEST(BotFilesTest, CountsAreBounded) {
    std::string many;
    for (std::size_t i = 0; i < kMostBotSections + 5; ++i)
        many += "bot\n{\nname=b\n}\nchat\n{\nmisc\n{\nx\n}\n}\n";
    EXPECT_EQ(Bots(many).size(), kMostBotSections);
    EXPECT_EQ(Chats(many).size(), kMostBotSections);
    std::string lines = "chat\n{\nmisc\n{\n";
    for (std::size_t i = 0; i < kMostListLines + 5; ++i)
        lines += "line\n";
    EXPECT_EQ(Chats(lines)[0].Lines(ChatEvent::Misc).size(), kMostListLines);
}

TEST(BotFilesTest, MissingFilesAreLoggedAndGiveNothing) {
    const auto folder = FreshTestFolder("bots");
    std::vector<std::string> log;
    const BotFiles files =
        LoadBotFiles(folder, [&](const std::string& line) { log.push_back(line); });
    EXPECT_TRUE(files.profiles.empty() && files.chatSets.empty() && files.responses.empty());
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "Unable to open chat file \"" + (folder / "Chat.cfg").string() + "\"");
    EXPECT_EQ(files.Profile(0), nullptr);
    EXPECT_TRUE(files.DealProfiles(3).empty());
}

TEST(BotFilesTest, ProfilesAreDealtOnceEachBeforeAnyComesAgain) {
    SeedRandom(8);
    BotFiles files;
    files.profiles.resize(3);
    const std::vector<int> dealt = files.DealProfiles(7);
    ASSERT_EQ(dealt.size(), 7u);
    for (const std::size_t start : {0u, 3u}) {
        std::vector<int> round(dealt.begin() + static_cast<std::ptrdiff_t>(start),
                               dealt.begin() + static_cast<std::ptrdiff_t>(start + 3));
        std::sort(round.begin(), round.end());
        EXPECT_EQ(round, (std::vector<int>{0, 1, 2}));
    }
    EXPECT_EQ(files.Profile(-1), nullptr);
}
