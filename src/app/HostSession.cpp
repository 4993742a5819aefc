#include "app/HostSession.h"

#include <algorithm>

#include "app/App.h"
#include "core/Clock.h"
#include "core/TextFormat.h"
#include "game/Game.h"
#include "game/GameType.h"
#include "net/CleanText.h"
#include "net/HostMessages.h"
#include "net/Protocol.h"

HostSession::HostSession(std::unique_ptr<NetLink> link, std::function<Time()> now)
    : link_(std::move(link)), now_(std::move(now)) {}

HostSession::~HostSession() {
    for (const Client& client : clients_)
        link_->Disconnect(client.peer);
    link_->Flush();
}

void HostSession::BeforeFrame(App& app) {
    if (app.MatchNumber() != match_) NewMatch(app);
    for (const NetEvent& event : std::exchange(kept_, {}))
        Take(app, event);
    for (const NetEvent& event : link_->Poll(0))
        Take(app, event);
    LetIdleGo(app);
    std::erase_if(clients_, [](const Client& c) { return c.gone; });
}

void HostSession::LetIdleGo(App& app) {
    const Time now = now_();
    std::vector<int> silent;
    for (Client& client : clients_) {
        if (client.gone) continue;
        switch (client.watch.Judge(now, !client.name.empty(), client.playing)) {
            case ClientWatch::Verdict::Keep:
                break;
            case ClientWatch::Verdict::TooSlowToJoin:
                app.LogLine("%s took too long to join.", Printable(client.name).c_str());
                Refuse(client, "Joining took too long.");
                break;
            default:
                silent.push_back(client.peer);
        }
    }
    for (const int peer : silent)
        Kick(app, peer, "timed out");
}

void HostSession::Close(App& app) {
    // A host quitting drops its clients as it goes (the destructor): the lost connection
    // says enough.
    if (!app.QuitRequested()) {
        LetAllGo("The host stopped hosting.");
        app.LogLine("Stopped hosting on port %u.", link_->Port());
    }
    const double clientSeconds = static_cast<double>(clientFrames_) / kFramesPerSecond;
    if (clientSeconds <= 0.0) return;
    const auto bytes = static_cast<unsigned long long>(link_->BytesSent());
    app.LogLine("Network: %.1f kbit/s to each client (%llu bytes over %.0f client-seconds).",
                static_cast<double>(bytes) * 8.0 / 1000.0 / clientSeconds, bytes, clientSeconds);
}

void HostSession::AfterFrame(App& app) {
    clientFrames_ +=
        std::count_if(clients_.begin(), clients_.end(), [](const Client& c) { return c.playing; });
    Game* game = app.CurrentGame();
    if (game != nullptr && app.MatchNumber() == match_) {
        for (const std::string& line : game->TakeMessages())
            SendToPlaying(EncodeHostMessage(TextLine{line}), Delivery::Reliable);
        SendPersonal(*game);
        if (++steps_ % kStepsPerState == 0) {
            Snapshot snapshot{game->CaptureState()};
            // A match counts its steps from 0; the session's count goes on rising, so a late
            // state of the match before is older than any of this one.
            snapshot.state.step = static_cast<std::uint32_t>(steps_);
            SendToPlaying(EncodeHostMessage(snapshot), Delivery::Sequenced);
        }
    }
    link_->Flush();
    pacer_.Wait(*link_, [this](NetEvent event) { kept_.push_back(std::move(event)); });
}

void HostSession::Say(App& app, const std::string& line) {
    if (Game* game = app.CurrentGame()) game->SayFrom(0, CleanText(line, kMaxTextLength));
}

// A new match: its map is what clients download, and everyone is welcomed to it. Back at the
// menu the clients are sent back to theirs at once, rather than left waiting for states.
void HostSession::NewMatch(App& app) {
    Game* game = app.CurrentGame();
    match_ = app.MatchNumber();
    if (game == nullptr) {
        if (!clients_.empty()) app.LogLine("The match ended: its clients were sent away.");
        LetAllGo("The host left the match.");
        return;
    }
    game->KeepForClients();
    map_.Load(app.MapPath());
    app.LogLine("Hosting \"%s\" on port %u.", Printable(game->MapName()).c_str(), link_->Port());
    if (!map_.Sendable()) app.LogLine("The map is too large to send: no client can join it.");
    for (Client& client : clients_) {
        client.playing = false;
        client.slot = -1;
        client.carried.reset();  // the new match's mirror starts with its own row
        if (!client.name.empty()) Welcome(app, client);
    }
}

void HostSession::LetAllGo(const std::string& reason) {
    const std::vector<std::uint8_t> farewell = EncodeHostMessage(Farewell{reason});
    for (const Client& client : clients_) {
        link_->Send(client.peer, farewell, Delivery::Reliable);
        link_->Release(client.peer);
    }
    clients_.clear();
}

void HostSession::Take(App& app, const NetEvent& event) {
    switch (event.type) {
        case NetEvent::Type::Connected:
            clients_.emplace_back(event.peer, now_());
            break;
        case NetEvent::Type::Disconnected:
            Drop(app, event.peer, "left");
            break;
        case NetEvent::Type::Received:
            if (Client* client = Find(event.peer)) {
                client->watch.Heard(now_());
                Receive(app, *client, event);
            }
            break;
    }
}

void HostSession::Receive(App& app, Client& client, const NetEvent& event) {
    const std::optional<ClientMessage> message = DecodeClientMessage(event.data);
    if (!message) {
        if (++client.badPackets < kMostBadPackets) return;
        app.LogLine("Dropped %s: it kept sending packets that do not decode.",
                    client.name.empty() ? "a client" : Printable(client.name).c_str());
        Kick(app, client.peer, "was dropped");
        return;
    }
    std::visit([&](const auto& body) { Handle(app, client, body); }, *message);
}

void HostSession::Handle(App& app, Client& client, const Hello& hello) {
    if (!client.name.empty()) return;  // said once
    if (hello.version != kProtocolVersion) {
        Refuse(client, "This host plays network version " + std::to_string(kProtocolVersion) + ".");
        return;
    }
    client.name = CleanText(hello.name, kMaxNameLength, "Player");
    Welcome(app, client);
}

void HostSession::Welcome(App& app, Client& client) {
    const Game* game = app.CurrentGame();
    if (game == nullptr) {
        Refuse(client, "The host is not in a match.");
        return;
    }
    if (!map_.Sendable()) {
        Refuse(client, "The map is too large to send.");
        return;
    }
    client.slot = FreeSlot(*game);
    client.mapSent = false;
    if (client.slot < 0) {
        Refuse(client, "The match is full.");
        return;
    }
    client.watch.Welcomed(now_());
    ::Welcome welcome;
    welcome.slot = static_cast<std::uint8_t>(client.slot);
    welcome.players = static_cast<std::uint8_t>(game->PlayerCount());
    welcome.fragLimit = game->FragLimit();
    welcome.gameType = std::string(GameTypeWord(game->Type()));
    map_.Describe(welcome);
    link_->Send(client.peer, EncodeHostMessage(welcome), Delivery::Reliable);
}

void HostSession::Handle(App& app, Client& client, const InputFrame& input) {
    if (!client.playing || input.sequence <= client.lastInput) return;
    client.lastInput = input.sequence;
    if (Game* game = app.CurrentGame()) game->SetRemoteInput(client.slot, input.controls);
}

void HostSession::Handle(App& app, Client& client, const ChatLine& chat) {
    const std::string text = CleanText(chat.text, kMaxTextLength);
    Game* game = app.CurrentGame();
    if (!client.playing || game == nullptr || text.empty()) return;
    if (client.chat.Take(now_())) {
        game->SayFrom(client.slot, text);
    } else if (client.chat.JustCutOff()) {
        app.LogLine("Cut off %s's chat for now: more than a line a second (%d lines dropped).",
                    Printable(client.name).c_str(), client.chat.Dropped());
    }
}

void HostSession::Handle(App& /*app*/, Client& client, const MapRequest& /*request*/) {
    if (client.slot < 0 || client.mapSent) return;
    client.mapSent = true;
    for (const MapChunk& chunk : map_.Chunks())
        link_->Send(client.peer, EncodeHostMessage(chunk), Delivery::Reliable);
}

void HostSession::Handle(App& app, Client& client, const Ready& ready) {
    Game* game = app.CurrentGame();
    if (client.slot < 0 || client.playing || game == nullptr) return;
    // A ready for another map answers an earlier welcome; the one for this map is on its way.
    // (A client only ever plays a map of the checksum it was welcomed with.)
    if (ready.checksum != map_.Checksum()) return;
    client.playing = true;
    client.lastInput = 0;
    client.carried.reset();
    game->TakeRemote(client.slot, client.name);
    game->AddMessage(client.name + " entered the game.");
    app.LogLine("%s plays fighter %d.", Printable(client.name).c_str(), client.slot);
    SendRoster(*game);
}

void HostSession::Handle(App& app, Client& client, const Goodbye& /*goodbye*/) {
    Kick(app, client.peer, "left");
}

void HostSession::Refuse(Client& client, const std::string& reason) {
    link_->Send(client.peer, EncodeHostMessage(Refusal{reason}), Delivery::Reliable);
    link_->Release(client.peer);
    client.slot = -1;
    client.playing = false;
    client.gone = true;
}

void HostSession::Kick(App& app, int peer, const char* how) {
    link_->Disconnect(peer);
    Drop(app, peer, how);
}

// The place goes back to its bot; the client is forgotten.
void HostSession::Drop(App& app, int peer, const char* how) {
    Client* client = Find(peer);
    if (client == nullptr) return;
    Game* game = app.CurrentGame();
    if (client->playing && game != nullptr && app.MatchNumber() == match_) {
        const int frags = game->GetPlayer(client->slot).Frags();
        game->ReleaseRemote(client->slot);
        game->AddMessage(client->name + " " + how + ".");
        app.LogLine("%s %s with %d frags; a bot plays fighter %d.", Printable(client->name).c_str(),
                    how, frags, client->slot);
    }
    std::erase_if(clients_, [peer](const Client& c) { return c.peer == peer; });
    if (game != nullptr) SendRoster(*game);
}

int HostSession::FreeSlot(const Game& game) const {
    for (int slot = 1; slot < game.PlayerCount(); ++slot) {
        const bool taken = std::any_of(clients_.begin(), clients_.end(),
                                       [slot](const Client& c) { return c.slot == slot; });
        if (!taken) return slot;
    }
    return -1;
}

void HostSession::SendRoster(const Game& game) {
    Roster roster;
    for (int number = 0; number < game.PlayerCount(); ++number)
        roster.names.push_back(game.PlayerName(number));
    SendToPlaying(EncodeHostMessage(roster), Delivery::Reliable);
}

void HostSession::SendToPlaying(const std::vector<std::uint8_t>& bytes, Delivery delivery) {
    for (const Client& client : clients_) {
        if (client.playing) link_->Send(client.peer, bytes, delivery);
    }
}

void HostSession::SendPersonal(Game& game) {
    for (const Game::KeptTitle& title : game.TakeTitles()) {
        for (const Client& client : clients_) {
            if (client.playing && client.slot == title.player) {
                link_->Send(client.peer, EncodeHostMessage(TitleText{title.text, title.duration}),
                            Delivery::Reliable);
            }
        }
    }
    for (Client& client : clients_) {
        if (!client.playing) continue;
        std::vector<int> carried = game.CarriedWeaponDefs(client.slot);
        if (client.carried == carried) continue;
        link_->Send(client.peer, EncodeHostMessage(CarriedRow{carried}), Delivery::Reliable);
        client.carried = std::move(carried);
    }
}

HostSession::Client* HostSession::Find(int peer) {
    const auto found = std::find_if(clients_.begin(), clients_.end(),
                                    [peer](const Client& c) { return c.peer == peer && !c.gone; });
    return found == clients_.end() ? nullptr : &*found;
}
