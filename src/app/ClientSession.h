#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/FramePacer.h"
#include "app/NetSession.h"
#include "net/ClientMessages.h"
#include "net/HostMessages.h"
#include "net/NetLink.h"

class Game;

// A client of a network match: it plays the host's map (downloaded when its own differs),
// draws the states the host sends and sends back the human's controls and chat. It simulates
// nothing but particles, and does not predict its own fighter's movement.
class ClientSession final : public NetSession {
public:
    // `host` as the player named it, for what the console says; `name` the player's.
    ClientSession(std::unique_ptr<NetLink> link, std::string host, std::string name);
    ~ClientSession() override;
    ClientSession(const ClientSession&) = delete;
    ClientSession& operator=(const ClientSession&) = delete;

    void BeforeFrame(App& app) override;
    void AfterFrame(App& app) override;
    void Say(App& app, const std::string& line) override;
    // The player left (or quit): the log says so; the host is told as the session goes.
    void Close(App& app) override;
    bool Joining() const override { return !finished_ && !playing_; }
    bool Finished() const override { return finished_; }

    // Packets from the host that did not decode before the client gives up on it.
    static constexpr int kMostBadPackets = 32;

private:
    void Take(App& app, const NetEvent& event);
    void Receive(App& app, const NetEvent& event);
    void Handle(App& app, const Welcome& welcome);
    void Handle(App& app, const MapChunk& chunk);
    void Handle(App& app, const Roster& roster);
    void Handle(App& app, const Snapshot& snapshot);
    void Handle(App& app, const TextLine& line);
    void Handle(App& app, const Refusal& refusal);
    void Handle(App& app, const Farewell& farewell);
    void Handle(App& app, const TitleText& title);
    void Handle(App& app, const CarriedRow& row);
    // The match this session started is the one running.
    bool InMirror(const App& app) const;
    void Play(App& app, const std::filesystem::path& map);
    void SaveDownload(App& app);
    // Ends the session with a line on the console, the log and, headless, stderr.
    void End(App& app, const std::string& line);
    // Why the host cannot be reached: the connection was lost, or never made.
    std::string LostLine() const;
    void Send(const ClientMessage& message, Delivery delivery);
    // The host's player numbers as this client's match holds them: its own fighter is 0.
    int Local(int hostNumber) const;

    std::unique_ptr<NetLink> link_;
    std::string host_;
    std::string name_;
    std::optional<Welcome> welcome_;
    std::string download_;
    std::vector<std::string> names_;
    bool playing_ = false;      // a mirror of the host's match was started
    std::uint64_t match_ = 0;   // the app's number of that mirror
    bool downloading_ = false;  // chunks are taken only after asking for them
    bool finished_ = false;
    bool connected_ = false;
    std::uint32_t sequence_ = 0;
    int badPackets_ = 0;
    std::vector<NetEvent> kept_;
    std::chrono::steady_clock::time_point heard_ = std::chrono::steady_clock::now();
    FramePacer pacer_;
};
