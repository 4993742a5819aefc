// The life of a network session, host and client, over a link of the test's own: joining,
// following the host to a new map, leaving, being let go, and peers that misbehave.
#include <gtest/gtest.h>

#include <thread>

#include "app/App.h"
#include "app/ClientSession.h"
#include "app/HostSession.h"
#include "app/HostedMap.h"
#include "console/Console.h"
#include "game/Game.h"
#include "net/Checksum.h"
#include "net/HostMessages.h"
#include "net/Protocol.h"
#include "support/FileText.h"
#include "support/ManualClock.h"
#include "support/RecordingRenderer.h"
#include "support/TestFolder.h"
#include "world/MapFile.h"

namespace {
// Both sides of the test's link: what arrives at the session and what it did.
struct Wire {
    struct Sent {
        int peer;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<NetEvent> arriving;
    std::vector<Sent> sent;
    std::vector<int> disconnected;
    std::vector<int> released;
};

class FakeLink final : public NetLink {
public:
    explicit FakeLink(Wire& wire) : wire_(wire) {}
    std::vector<NetEvent> Poll(int waitMs) override {
        // The pacer waits out its frame here; a short sleep keeps it from spinning.
        if (wire_.arriving.empty() && waitMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return std::exchange(wire_.arriving, {});
    }
    void Send(int peer, std::span<const std::uint8_t> bytes, Delivery /*delivery*/) override {
        wire_.sent.push_back({peer, {bytes.begin(), bytes.end()}});
    }
    void Flush() override {}
    void Disconnect(int peer) override { wire_.disconnected.push_back(peer); }
    void Release(int peer) override { wire_.released.push_back(peer); }
    std::uint64_t BytesSent() const override { return 0; }
    std::uint64_t BytesReceived() const override { return 0; }
    std::uint16_t Port() const override { return kDefaultPort; }

private:
    Wire& wire_;
};

MapContents Floor(const char* name, float width) {
    MapContents map;
    map.name = name;
    map.platforms.emplace_back(0.0f, 500.0f, width, 540.0f);
    return map;
}

std::string MapBytes(const MapContents& map) {
    const std::vector<std::uint8_t> bytes = WriteMapFile(map);
    return {bytes.begin(), bytes.end()};
}

class NetSessionTest : public testing::Test {
protected:
    void SetUp() override {
        WriteBytes(maps_ / "box.bwm", WriteMapFile(Floor("Box", 800.0f)));
        WriteBytes(maps_ / "yard.bwm", WriteMapFile(Floor("Yard", 1200.0f)));
        app_.Initialise(2, 32, [](int width, int height, int depth, Log& log) {
            return std::unique_ptr<Renderer>(
                std::make_unique<RecordingRenderer>(width, height, depth, &log));
        });
        app_.SetDrawing(false);
    }

    void Host(const std::string& map) {
        app_.StartMap(map, 4, 10, "ffa");
        app_.StartNet(std::make_unique<HostSession>(std::make_unique<FakeLink>(wire_),
                                                    [this] { return now_; }));
        app_.Frame();
    }
    void Arrive(int peer, const ClientMessage& message) {
        wire_.arriving.push_back({NetEvent::Type::Received, peer, EncodeClientMessage(message)});
    }
    void Join(int peer, const std::string& name) {
        wire_.arriving.push_back({NetEvent::Type::Connected, peer, {}});
        Arrive(peer, Hello{kProtocolVersion, name});
    }
    // What the host said to `peer` since the last look, of one kind.
    template <typename Message>
    std::vector<Message> Said(int peer) {
        std::vector<Message> found;
        for (const Wire::Sent& sent : std::exchange(wire_.sent, {})) {
            const auto message = DecodeHostMessage(sent.bytes);
            if (sent.peer == peer && message && std::holds_alternative<Message>(*message))
                found.push_back(std::get<Message>(*message));
        }
        return found;
    }
    // The step of the newest state sent to peer 1 over a few frames.
    std::uint32_t NewestStep() {
        for (int i = 0; i < HostSession::kStepsPerState; ++i)
            app_.Frame();
        const std::vector<Snapshot> states = Said<Snapshot>(1);
        return states.empty() ? 0 : states.back().state.step;
    }
    std::uint32_t MapChecksum(const std::string& map) { return Checksum(ReadAll(maps_ / map)); }
    std::string LogText() { return ReadAll(root_ / "Player" / "Log.txt"); }
    const std::string& LastConsoleLine() { return app_.GetConsole()->History().back(); }

    std::filesystem::path root_ = FreshTestFolder("net_session");
    std::filesystem::path maps_ = root_ / "Base" / "Maps";
    // Peers that send every frame, as a client does, while the host's clock moves on.
    void Wait(std::chrono::milliseconds span, std::initializer_list<int> heard) {
        now_ += span;
        for (const int peer : heard)
            Arrive(peer, InputFrame{++sequence_, {}});
        app_.Frame();
    }

    HostSession::Time now_;
    std::uint32_t sequence_ = 0;
    Wire wire_;  // outlives the app and its session's link
    ManualClock clock_;
    App app_{GameFolders(root_ / "Base", root_ / "Player"), clock_, 1u};
};
}  // namespace

TEST_F(NetSessionTest, HostTakesClientsAlongToANewMapAndLetsThemGoAtItsMenu) {
    Host("box.bwm");
    Join(1, "Alice");
    Join(2, "Bob");
    app_.Frame();
    ASSERT_EQ(Said<Welcome>(1).size(), 1u);
    Arrive(1, MapRequest{});
    Arrive(1, MapRequest{});  // a second ask is not answered
    app_.Frame();
    EXPECT_EQ(Said<MapChunk>(1).size(), 1u);
    for (const int peer : {1, 2})
        Arrive(peer, Ready{MapChecksum("box.bwm")});
    app_.Frame();
    EXPECT_EQ(app_.CurrentGame()->PlayerName(2), "Bob");
    const std::uint32_t lastOnBox = NewestStep();

    app_.ExecuteCommand("map yard 4");
    app_.Frame();
    const std::vector<Welcome> again = Said<Welcome>(1);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].mapName, "yard.bwm");
    EXPECT_EQ(again[0].mapChecksum, MapChecksum("yard.bwm"));
    EXPECT_EQ(again[0].slot, 1);
    Arrive(1, Ready{MapChecksum("box.bwm")});  // sent before the new welcome came: not refused
    app_.Frame();
    EXPECT_NE(app_.CurrentGame()->PlayerName(1), "Alice");
    EXPECT_TRUE(Said<Refusal>(1).empty());
    for (const int peer : {1, 2})
        Arrive(peer, Ready{MapChecksum("yard.bwm")});
    app_.Frame();
    EXPECT_EQ(app_.CurrentGame()->PlayerName(1), "Alice");
    EXPECT_EQ(app_.CurrentGame()->PlayerName(2), "Bob");
    // A new match's states follow the last match's, not start again below them.
    EXPECT_GT(NewestStep(), lastOnBox);

    // Bob says goodbye twice: he leaves once, and his place is free for the next.
    Arrive(2, Goodbye{});
    Arrive(2, Goodbye{});
    app_.Frame();
    EXPECT_EQ(CountOf(LogText(), "Bob left with 0 frags; a bot plays fighter 2."), 1u);
    Join(3, "Carol");
    app_.Frame();
    ASSERT_EQ(Said<Welcome>(3).size(), 1u);

    app_.ExecuteCommand("map nosuchmap");
    app_.Frame();
    ASSERT_EQ(app_.CurrentGame(), nullptr);
    const std::vector<Farewell> farewells = Said<Farewell>(1);
    ASSERT_EQ(farewells.size(), 1u);
    EXPECT_EQ(farewells[0].reason, "The host left the match.");
    EXPECT_EQ(wire_.released, (std::vector<int>{1, 3}));
    // Nobody joins a host at its menu.
    Join(4, "Dave");
    app_.Frame();
    ASSERT_EQ(Said<Refusal>(4).size(), 1u);
}

TEST_F(NetSessionTest, AHostThatStopsLetsItsClientsGoAndOneThatQuitsDropsThem) {
    const struct {
        const char* line;
        std::size_t farewells;
    } kEnds[] = {{"disconnect", 1}, {"quit", 0}};
    for (const auto& end : kEnds) {
        Host("box.bwm");
        Join(1, "Alice");
        app_.Frame();
        wire_ = {};
        app_.ExecuteCommand(end.line);
        if (app_.QuitRequested()) app_.StopNet();  // as the app's end does
        EXPECT_EQ(app_.Net(), nullptr) << end.line;
        EXPECT_EQ(Said<Farewell>(1).size(), end.farewells) << end.line;
        EXPECT_EQ(wire_.released.size() + wire_.disconnected.size(), 1u) << end.line;
    }
}

TEST_F(NetSessionTest, AClientSendingPacketsThatDoNotDecodeIsDropped) {
    Host("box.bwm");
    Join(1, "Mallory");
    app_.Frame();
    Arrive(1, Ready{MapChecksum("box.bwm")});
    for (int i = 1; i < HostSession::kMostBadPackets; ++i)
        wire_.arriving.push_back({NetEvent::Type::Received, 1, {0xee, 1, 2}});
    app_.Frame();
    EXPECT_TRUE(wire_.disconnected.empty());
    EXPECT_EQ(app_.CurrentGame()->PlayerName(1), "Mallory");
    wire_.arriving.push_back({NetEvent::Type::Received, 1, {}});
    app_.Frame();
    EXPECT_EQ(wire_.disconnected, std::vector<int>{1});
    EXPECT_NE(app_.CurrentGame()->PlayerName(1), "Mallory");
    EXPECT_NE(LogText().find("Dropped Mallory: it kept sending packets that do not decode."),
              std::string::npos);
}

TEST_F(NetSessionTest, AClientFollowsTheHostToAMapItDownloadsAndBackToItsMenu) {
    app_.StartNet(
        std::make_unique<ClientSession>(std::make_unique<FakeLink>(wire_), "far-host", "Zed"));
    wire_.arriving.push_back({NetEvent::Type::Connected, 0, {}});
    wire_.arriving.push_back({NetEvent::Type::Received, 0,
                              EncodeHostMessage(Welcome{
                                  2, 4, 10, "ffa", "box.bwm", MapChecksum("box.bwm"),
                                  static_cast<std::uint32_t>(ReadAll(maps_ / "box.bwm").size())})});
    app_.Frame();
    ASSERT_NE(app_.CurrentGame(), nullptr);
    const std::uint64_t onBox = app_.MatchNumber();

    // The host moved on to a map of its own: asked for, downloaded into the player's folder, and
    // played; a chunk answering an ask from before is not taken for a new download.
    const std::string away = MapBytes(Floor("Away", 900.0f));
    const std::uint32_t sum = Checksum(away);
    const auto chunk = EncodeHostMessage(MapChunk{0, away});
    wire_.arriving.push_back({NetEvent::Type::Received, 0,
                              EncodeHostMessage(Welcome{2, 4, 10, "ffa", "away.bwm", sum,
                                                        static_cast<std::uint32_t>(away.size())})});
    wire_.arriving.push_back({NetEvent::Type::Received, 0, chunk});
    wire_.arriving.push_back({NetEvent::Type::Received, 0, chunk});
    app_.Frame();
    EXPECT_EQ(app_.MatchNumber(), onBox + 1);
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", sum);
    EXPECT_EQ(ReadAll(root_ / "Player" / "downloads" / ("away-" + std::string(hex) + ".bwm")),
              away);

    wire_.arriving.push_back(
        {NetEvent::Type::Received, 0, EncodeHostMessage(Farewell{"The host left the match."})});
    app_.Frame();
    EXPECT_EQ(app_.CurrentGame(), nullptr);
    EXPECT_EQ(app_.Net(), nullptr);
    EXPECT_EQ(LastConsoleLine(), "The host left the match.");
    EXPECT_NE(LogText().find("The host left the match."), std::string::npos);
}

TEST_F(NetSessionTest, PeersThatDoNotComeToPlayAreLetGoAndAPlayerOnlyWhenSilent) {
    using std::chrono::seconds;
    Host("box.bwm");
    wire_.arriving.push_back({NetEvent::Type::Connected, 1, {}});  // says nothing
    Join(2, "Slow");                                               // never ready
    Join(3, "Alice");
    Arrive(3, Ready{MapChecksum("box.bwm")});
    app_.Frame();
    Wait(seconds(6), {2, 3});
    EXPECT_EQ(wire_.disconnected, std::vector<int>{1});
    while (now_.time_since_epoch() < ClientWatch::kJoinLimit)
        Wait(seconds(4), {2, 3});
    Wait(seconds(4), {2, 3});
    const std::vector<Refusal> refusals = Said<Refusal>(2);
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals[0].reason, "Joining took too long.");
    EXPECT_EQ(wire_.released, std::vector<int>{2});
    EXPECT_EQ(app_.CurrentGame()->PlayerName(2), "Alice");
    Wait(seconds(6), {});
    EXPECT_EQ(wire_.disconnected, (std::vector<int>{1, 3}));
    EXPECT_NE(app_.CurrentGame()->PlayerName(2), "Alice");
}

TEST_F(NetSessionTest, AClientChattingTooFastIsCutOff) {
    Host("box.bwm");
    Join(1, "Alice");
    Arrive(1, Ready{MapChecksum("box.bwm")});
    app_.Frame();
    const struct {
        int seconds;
        std::size_t heard;  // of the 20 lines said at once
    } kBursts[] = {{0, 4}, {2, 2}, {10, 4}};
    for (const auto& burst : kBursts) {
        now_ += std::chrono::seconds(burst.seconds);
        wire_.sent.clear();
        for (int i = 0; i < 20; ++i)
            Arrive(1, ChatLine{"spam"});
        app_.Frame();
        std::size_t heard = 0;
        for (const TextLine& line : Said<TextLine>(1))
            heard += line.text == "Alice: spam";
        EXPECT_EQ(heard, burst.heard) << burst.seconds;
    }
    EXPECT_EQ(CountOf(LogText(), "Cut off Alice's chat"), 3u);
}

TEST(HostedMap, GoesInChunksThatMakeItUpAgainUnlessTooLargeToSend) {
    const std::filesystem::path folder = FreshTestFolder("hosted_map");
    for (const std::size_t size :
         {std::size_t{0}, 2 * kMapChunkBytes + 5, std::size_t{kMaxMapBytes} + 1}) {
        const std::string bytes(size, 'm');
        WriteBytes(folder / "big.bwm", std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        HostedMap map;
        map.Load(folder / "big.bwm");
        EXPECT_EQ(map.Sendable(), size <= kMaxMapBytes) << size;
        std::string joined;
        for (const MapChunk& chunk : map.Chunks()) {
            EXPECT_EQ(chunk.offset, joined.size());
            joined += chunk.bytes;
        }
        EXPECT_EQ(joined, map.Sendable() ? bytes : "") << size;
    }
}
