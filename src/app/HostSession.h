#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ChatAllowance.h"
#include "app/ClientWatch.h"
#include "app/FramePacer.h"
#include "app/HostedMap.h"
#include "app/NetSession.h"
#include "net/ClientMessages.h"
#include "net/NetLink.h"

class Game;

// The host of a network match: the one simulation. Clients take bots' places (1 and up; 0 is
// the host's own, a bot's when headless), send their inputs and chat, and are sent what they
// draw. A client that goes quiet for the time-out, or leaves, gives his place back to the bot.
class HostSession final : public NetSession {
public:
    using Time = std::chrono::steady_clock::time_point;
    // `now` tells the time the clients are watched by: the real one but in tests.
    explicit HostSession(
        std::unique_ptr<NetLink> link,
        std::function<Time()> now = [] { return std::chrono::steady_clock::now(); });
    ~HostSession() override;
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    void BeforeFrame(App& app) override;
    void AfterFrame(App& app) override;
    void Say(App& app, const std::string& line) override;
    // Says in the log what the network cost: bytes a second to each client. Its clients are
    // let go: told why unless the host is quitting, when the lost connection says enough.
    void Close(App& app) override;

    // Sent to all clients so far, for the network's cost in a summary.
    std::uint64_t BytesSent() const { return link_->BytesSent(); }

    // Packets that did not decode before a client is dropped.
    static constexpr int kMostBadPackets = 32;
    // A state goes out every this many steps: 20 a second.
    static constexpr int kStepsPerState = 4;

private:
    struct Client {
        Client(int peerNumber, Time now) : peer(peerNumber), watch(now), chat(now) {}
        int peer = -1;
        int slot = -1;  // the fighter reserved at the hello; played from the ready on
        bool playing = false;
        bool mapSent = false;  // the map goes once a welcome, however often it is asked for
        bool gone = false;     // refused and let go: forgotten at the end of the frame's events
        std::string name;
        int badPackets = 0;
        std::uint32_t lastInput = 0;
        std::optional<std::vector<int>> carried;  // as last sent
        ClientWatch watch;
        ChatAllowance chat;
    };

    void Take(App& app, const NetEvent& event);
    void Receive(App& app, Client& client, const NetEvent& event);
    void Handle(App& app, Client& client, const Hello& hello);
    void Handle(App& app, Client& client, const InputFrame& input);
    void Handle(App& app, Client& client, const ChatLine& chat);
    void Handle(App& app, Client& client, const MapRequest& request);
    void Handle(App& app, Client& client, const Ready& ready);
    void Handle(App& app, Client& client, const Goodbye& goodbye);
    // Tells the client why, lets him go and forgets him.
    void Refuse(Client& client, const std::string& reason);
    void Drop(App& app, int peer, const char* how);
    // Cuts the peer off at once, then drops him.
    void Kick(App& app, int peer, const char* how);
    void LetIdleGo(App& app);
    int FreeSlot(const Game& game) const;
    void Welcome(App& app, Client& client);
    void NewMatch(App& app);
    // Tells every client why, and lets them all go.
    void LetAllGo(const std::string& reason);
    void SendRoster(const Game& game);
    void SendToPlaying(const std::vector<std::uint8_t>& bytes, Delivery delivery);
    // What is for each client's own fighter alone: his titles and his weapon row.
    void SendPersonal(Game& game);
    Client* Find(int peer);

    std::unique_ptr<NetLink> link_;
    std::function<Time()> now_;
    std::vector<Client> clients_;
    std::vector<NetEvent> kept_;
    FramePacer pacer_;
    std::uint64_t match_ = 0;  // the app's number of the match the clients were welcomed to
    HostedMap map_;
    long steps_ = 0;
    long clientFrames_ = 0;  // frames played, added up over the clients playing them
};
