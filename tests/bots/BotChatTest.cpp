#include <gtest/gtest.h>

#include "bots/BotChat.h"
#include "core/Random.h"
#include "support/TestArena.h"

namespace {
// Bots of one chat set, each with a profile of its own; the human is P0.
class BotChatTest : public testing::Test {
protected:
    void SetUp() override {
        SeedRandom(5);
        arena_.botChat = true;
        arena_.botFiles.chatSets.push_back(ChatSet{"Set", {}});
        arena_.botFiles.responses.push_back(Response{{"hello", "hi"}, {"Hi #from#"}});
        arena_.AddPlayer();
    }
    Player& AddBot(const std::string& name, int respond = 99, int event = 99) {
        BotProfile profile;
        profile.name = name;
        profile.chat = 0;
        profile.chattyEvent = event;
        profile.chattyRespond = respond;
        arena_.botFiles.profiles.push_back(profile);
        Player& bot = arena_.AddPlayer();
        bot.SetBotProfile(static_cast<int>(arena_.botFiles.profiles.size()) - 1);
        return bot;
    }
    void SetLines(ChatEvent event, std::vector<std::string> lines) {
        arena_.botFiles.chatSets[0].lists[static_cast<std::size_t>(event)] = std::move(lines);
    }
    // Ticks the player until it has said a line; the line, or "" when it never does.
    std::string Release(Player& player) {
        const std::size_t said = arena_.messages.size();
        for (int i = 0; i < 200 && arena_.messages.size() == said; ++i)
            ChatTick(player, arena_);
        return arena_.messages.size() == said ? "" : arena_.messages.back();
    }

    TestArena arena_;
};
}  // namespace

TEST_F(BotChatTest, PlaceholdersAreFilledOnceEach) {
    Player& bot = AddBot("Bot");
    Player& killer = AddBot("Killer");
    AddBot("Third");
    arena_.botFiles.profiles[1].nicks = {"Kil"};
    arena_.weaponDefs.push_back(WeaponDef{"Zap", WeaponKind::Plain, {{"Name", "Zapper"}}});
    arena_.GetPlayer(2).Weapons().Add(arena_.CreateWeapon("Zap"));
    arena_.GetPlayer(2).Weapons().Select(0);
    bot.Die(killer.Number(), arena_);
    killer.Fragged(bot, arena_);
    SetLines(ChatEvent::Death, {"#killer# got me with #killerweap#, #killer#"});
    SetLines(ChatEvent::Kill, {"#killed# and #killed#"});
    RaiseChatEvent(bot, ChatEvent::Death, arena_);
    RaiseChatEvent(killer, ChatEvent::Kill, arena_);
    EXPECT_EQ(bot.chat.queue.front(), "Kil got me with Zapper, #killer#");
    EXPECT_EQ(killer.chat.queue.front(), "Bot and #killed#");
}

TEST_F(BotChatTest, ARandomDrawOfTheSpeakerDropsOnlyLinesThatNameSomeone) {
    // Every player answers to the bot's own name, so every draw is the bot itself.
    Player& bot = AddBot("P0");
    for (const auto& [line, said] : {std::pair{"Hi #random#", false}, {"Hi all", true}}) {
        SetLines(ChatEvent::Misc, {line});
        bot.chat.queue.clear();
        RaiseChatEvent(bot, ChatEvent::Misc, arena_);
        EXPECT_EQ(bot.chat.queue.size(), said ? 1u : 0u) << line;
    }
}

TEST_F(BotChatTest, ChattinessIsAPercentWhereZeroStillPasses) {
    SetLines(ChatEvent::Hello, {"hello"});
    struct Row {
        int chatty;
        int least;
        int most;
    };
    for (const Row& row :
         {Row{0, 1, 30}, Row{99, 1000, 1000}, Row{150, 1000, 1000}, Row{-1, 0, 0}}) {
        Player& bot = AddBot("B" + std::to_string(row.chatty), 0, row.chatty);
        int remarks = 0;
        for (int i = 0; i < 1000; ++i) {
            RaiseChatEvent(bot, ChatEvent::Hello, arena_);
            remarks += static_cast<int>(bot.chat.queue.size());
            bot.chat.queue.clear();
        }
        EXPECT_GE(remarks, row.least) << row.chatty;
        EXPECT_LE(remarks, row.most) << row.chatty;
    }
}

TEST_F(BotChatTest, TheHumansGreetingIsAnsweredAtTheBotsNextRelease) {
    Player& bot = AddBot("Bot");
    Player& human = arena_.GetPlayer(0);
    QueueChat(human, "HELLO, Everyone!", arena_);
    EXPECT_EQ(Release(human), "P0: HELLO, Everyone!");
    ASSERT_EQ(bot.chat.queue.size(), 1u);
    EXPECT_EQ(arena_.messages.size(), 1u);
    EXPECT_EQ(Release(bot), "Bot: Hi P0");
    // A bot does not answer what is said under its own name.
    Player& twin = AddBot("Bot");
    Respond(twin, "hello", bot, arena_);
    EXPECT_TRUE(twin.chat.queue.empty());
    Respond(twin, "hello", human, arena_);
    EXPECT_EQ(twin.chat.queue.size(), 1u);
}

TEST_F(BotChatTest, LinesQueuedWhileChatIsOffAreDropped) {
    Player& bot = AddBot("Bot");
    QueueChat(bot, "kept", arena_);
    arena_.botChat = false;
    QueueChat(bot, "dropped", arena_);
    EXPECT_EQ(Release(bot), "");
    arena_.botChat = true;
    EXPECT_EQ(Release(bot), "Bot: kept");
    EXPECT_EQ(Release(bot), "");
}

// Bots that greet and name each other, and answer everything: an hour of it, and no queue ever
// holds more than a few lines.
TEST_F(BotChatTest, AnHourOfBotsAnsweringBotsKeepsQueuesFlat) {
    arena_.botFiles.responses = {{{"hello", "hi"}, {"hello #from#", "hi #random#"}}};
    SetLines(ChatEvent::Misc, {"hello #random#"});
    for (const char* name : {"hi", "hello", "Ann", "Bob", "Cy"})
        AddBot(name);
    for (BotProfile& profile : arena_.botFiles.profiles)
        profile.chattyMisc = 99;
    std::size_t longest = 0;
    constexpr int kHour = 80 * 60 * 60;
    for (int frame = 0; frame < kHour; ++frame) {
        for (int i = 0; i < arena_.PlayerCount(); ++i) {
            ChatTick(arena_.GetPlayer(i), arena_);
            longest = std::max(longest, arena_.GetPlayer(i).chat.queue.size());
        }
    }
    EXPECT_LE(longest, ChatState::kMostQueued);
    EXPECT_GT(arena_.messages.size(), 20000u);       // they talked all along
    for (const std::string& said : arena_.messages)  // not even when a bot drew himself
        ASSERT_EQ(said.find("#random#"), std::string::npos) << said;
}
