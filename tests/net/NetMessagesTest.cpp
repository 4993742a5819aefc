#include <gtest/gtest.h>

#include "net/CleanText.h"
#include "net/ClientMessages.h"
#include "net/HostMessages.h"
#include "net/Protocol.h"

namespace {
MatchState SampleState() {
    MatchState state;
    state.step = 4000;
    state.timeScale = 0.25f;
    state.fade = 120.0f;
    state.teamScores = {0, 3, 7};
    FigureState figure;
    figure.inPlay = true;
    figure.facingRight = true;
    figure.position = {1234.5f, -87.0f};
    figure.aim = -42.5f;
    figure.lower = AnimationState{2, 3, 4, 0.5f, -1};
    figure.upper = AnimationState{1, 0, 1, 0.25f, 0};
    figure.weapon = 3;
    figure.ammo = 300;
    figure.health = 75.0f;
    figure.frags = -2;
    state.figures = {figure, FigureState{}};
    state.objects = {
        ObjectState{ObjectKind::Rocket, 12, {10.0f, 20.0f}, {8.0f, -0.5f}, 90.0f, 0.6f, 200.0f}};
    state.itemsShown = {true, false, false, true, true, false, true, false, true};
    EffectEvent blood = MakeEffect(EffectKind::Blood, {5.0f, 6.0f}, 3, 1);
    blood.values = {0.15f, 0.28f};
    EffectEvent casing = MakeEffect(EffectKind::Casing, {7.0f, -8.5f}, 1);
    casing.velocity = {-0.3f, -1.7f};
    EffectEvent flash = MakeEffect(EffectKind::Flash, {9.0f, 10.0f}, 0);
    flash.values = {187.3f, 2.0f};
    state.events = {MakeEffect(EffectKind::Sound, {}, 17), blood, casing, flash};
    return state;
}
}  // namespace

TEST(NetMessages, EveryMessageSurvivesItsOwnEncoding) {
    InputFrame input{9, RemoteInput{0x25, -12.3f, true, {1, 2, 3, 4, 5, 255}}};
    const auto back = DecodeClientMessage(EncodeClientMessage(input));
    ASSERT_TRUE(back && std::holds_alternative<InputFrame>(*back));
    const InputFrame& got = std::get<InputFrame>(*back);
    EXPECT_EQ(got.sequence, 9u);
    EXPECT_EQ(got.controls.held, 0x25);
    EXPECT_NEAR(got.controls.aim, -12.3f, 0.05f);
    EXPECT_TRUE(got.controls.facingRight);
    EXPECT_EQ(got.controls.presses, input.controls.presses);

    const auto hello = DecodeClientMessage(EncodeClientMessage(Hello{kProtocolVersion, "Alice"}));
    ASSERT_TRUE(hello);
    EXPECT_EQ(std::get<Hello>(*hello).name, "Alice");

    const MatchState sent = SampleState();
    const auto snapshot = DecodeHostMessage(EncodeHostMessage(Snapshot{sent}));
    ASSERT_TRUE(snapshot && std::holds_alternative<Snapshot>(*snapshot));
    const MatchState& state = std::get<Snapshot>(*snapshot).state;
    EXPECT_EQ(state.step, sent.step);
    EXPECT_NEAR(state.timeScale, 0.25f, 0.001f);
    EXPECT_EQ(state.teamScores, sent.teamScores);
    ASSERT_EQ(state.figures.size(), 2u);
    const FigureState& figure = state.figures[0];
    EXPECT_TRUE(figure.inPlay && figure.facingRight && !figure.crouched);
    EXPECT_NEAR(figure.position.x, 1234.5f, 0.5f);
    EXPECT_NEAR(figure.aim, -42.5f, 0.5f);
    EXPECT_EQ(figure.lower.next, 4);
    EXPECT_NEAR(figure.upper.phase, 0.25f, 0.01f);
    EXPECT_EQ(figure.upper.followUp, 0);
    EXPECT_EQ(figure.weapon, 3);
    EXPECT_EQ(figure.ammo, 300);
    EXPECT_EQ(figure.frags, -2);
    EXPECT_EQ(state.figures[1].weapon, -1);
    ASSERT_EQ(state.objects.size(), 1u);
    EXPECT_EQ(state.objects[0].kind, ObjectKind::Rocket);
    EXPECT_NEAR(state.objects[0].velocity.y, -0.5f, 0.02f);
    EXPECT_NEAR(state.objects[0].scale, 0.6f, 0.02f);
    EXPECT_EQ(state.itemsShown, sent.itemsShown);
    ASSERT_EQ(state.events.size(), 4u);
    EXPECT_EQ(state.events[0].number, 17);
    EXPECT_EQ(state.events[1].flags, 1);
    EXPECT_FLOAT_EQ(state.events[1].values[1], 0.28f);
    EXPECT_EQ(state.events[2].number, 1);
    EXPECT_NEAR(state.events[2].at.y, -8.5f, 0.01f);
    EXPECT_NEAR(state.events[2].velocity.y, -1.7f, 0.02f);
    EXPECT_NEAR(state.events[3].values[0], 187.3f, 0.04f);
    EXPECT_FLOAT_EQ(state.events[3].values[1], 2.0f);

    const auto title = DecodeHostMessage(EncodeHostMessage(TitleText{"You fragged Bob", 300.0f}));
    ASSERT_TRUE(title && std::holds_alternative<TitleText>(*title));
    EXPECT_EQ(std::get<TitleText>(*title).text, "You fragged Bob");
    EXPECT_EQ(std::get<TitleText>(*title).duration, 300.0f);
    // A place past a byte's reach is left out of the row.
    const auto row = DecodeHostMessage(EncodeHostMessage(CarriedRow{{4, 0, 300, 2}}));
    ASSERT_TRUE(row && std::holds_alternative<CarriedRow>(*row));
    EXPECT_EQ(std::get<CarriedRow>(*row).weapons, (std::vector<int>{4, 0, 2}));
}

TEST(NetMessages, RefusesWhatIsNotExactlyOneMessageInBounds) {
    auto hello = EncodeClientMessage(Hello{kProtocolVersion, "Bob"});
    auto trailing = hello;
    trailing.push_back(0);
    auto cut = hello;
    cut.pop_back();
    auto unknown = hello;
    unknown[0] = 200;
    std::vector<std::uint8_t> longName = {0, 1, 0, 200};
    longName.resize(longName.size() + 200, 'a');
    auto snapshot = EncodeHostMessage(Snapshot{SampleState()});
    auto tooMany = snapshot;
    // The figure count, after kind, step, scale, fade, over and three scores.
    tooMany[1 + 4 + 2 + 2 + 1 + 6] = 0xff;
    std::vector<std::uint8_t> empty;
    for (const auto* packet : {&trailing, &cut, &unknown, &longName, &empty})
        EXPECT_FALSE(DecodeClientMessage(*packet)) << packet->size();
    EXPECT_FALSE(DecodeHostMessage(tooMany));
    auto longRow = EncodeHostMessage(CarriedRow{{1}});
    longRow[1] = kMaxCarried + 1;
    longRow.resize(longRow.size() + kMaxCarried, 1);
    EXPECT_FALSE(DecodeHostMessage(longRow));
    EXPECT_FALSE(DecodeHostMessage(std::vector<std::uint8_t>(kMaxPacketBytes + 1, 3)));
}

TEST(NetMessages, NamesAndLinesAreCleaned) {
    const struct {
        const char* text;
        const char* clean;
    } cases[] = {
        {"  Alice  ", "Alice"}, {"Bo\x1b[31mb\n", "Bo[31mb"},
        {"\x01\x02", "Player"}, {"Wilhelmina-the-Unstoppable-Fragger", "Wilhelmina-the-Unstoppa"},
        {"Zo\xc3\xab", "Zo"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanText(c.text, 23, "Player"), c.clean) << c.text;
}
