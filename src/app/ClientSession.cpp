#include "app/ClientSession.h"

#include <cstdio>
#include <utility>

#include "app/App.h"
#include "app/NetLaunch.h"
#include "console/Console.h"
#include "core/AtomicFile.h"
#include "core/StreamBytes.h"
#include "core/TextFormat.h"
#include "game/Game.h"
#include "net/Checksum.h"
#include "net/CleanText.h"
#include "net/ClientMessages.h"
#include "net/Protocol.h"

namespace {
std::optional<std::uint32_t> FileChecksum(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path, kMaxMapBytes);
    if (!bytes) return std::nullopt;
    return Checksum(*bytes);
}

// The host's map name as a bare file name of ours, or none for one that is not.
std::optional<std::string> SafeMapName(const std::string& name) {
    const std::string clean = CleanText(name, kMaxMapNameBytes);
    const std::filesystem::path file = std::filesystem::path(clean).filename();
    if (clean.empty() || file.string() != clean || clean.front() == '.' ||
        file.extension() != ".bwm") {
        return std::nullopt;
    }
    return clean;
}

// Downloads keep the host's name and its checksum, in a folder of their own: they never
// replace a map of the player's, and two hosts' different maps of one name live side by side.
std::filesystem::path DownloadName(const std::string& mapName, std::uint32_t checksum) {
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", checksum);
    return std::filesystem::path("downloads") /
           (std::filesystem::path(mapName).stem().string() + "-" + hex + ".bwm");
}
}  // namespace

ClientSession::ClientSession(std::unique_ptr<NetLink> link, std::string host, std::string name)
    : link_(std::move(link)), host_(std::move(host)), name_(std::move(name)) {}

ClientSession::~ClientSession() {
    if (finished_) return;
    Send(Goodbye{}, Delivery::Reliable);
    link_->Disconnect(0);
}

void ClientSession::Close(App& app) {
    if (!finished_) app.LogLine("Disconnected from %s.", Printable(host_).c_str());
}

void ClientSession::BeforeFrame(App& app) {
    for (const NetEvent& event : std::exchange(kept_, {}))
        Take(app, event);
    if (!finished_) {
        for (const NetEvent& event : link_->Poll(0))
            Take(app, event);
    }
    // The host sends a state every few frames: silence this long is a host gone.
    if (std::chrono::steady_clock::now() - heard_ > std::chrono::milliseconds(kTimeoutMs))
        End(app, LostLine());
}

void ClientSession::AfterFrame(App& app) {
    if (finished_) return;
    Game* game = app.CurrentGame();
    if (playing_ && !InMirror(app)) {
        // The player left the match (or started another): the host is told at once.
        Send(Goodbye{}, Delivery::Reliable);
        link_->Disconnect(0);
        finished_ = true;
        return;
    }
    // Something goes every frame, in a match or not yet, so the host knows the client is there.
    const RemoteInput controls = playing_ ? game->TakeInput() : RemoteInput{};
    Send(InputFrame{++sequence_, controls}, Delivery::Sequenced);
    link_->Flush();
    pacer_.Wait(*link_, [this](NetEvent event) { kept_.push_back(std::move(event)); });
}

void ClientSession::Say(App& /*app*/, const std::string& line) {
    const std::string text = CleanText(line, kMaxTextLength);
    if (!text.empty()) Send(ChatLine{text}, Delivery::Reliable);
}

void ClientSession::Take(App& app, const NetEvent& event) {
    if (finished_) return;
    switch (event.type) {
        case NetEvent::Type::Connected:
            connected_ = true;
            Send(Hello{kProtocolVersion, name_}, Delivery::Reliable);
            app.LogLine("Connected to %s.", Printable(host_).c_str());
            break;
        case NetEvent::Type::Disconnected:
            End(app, LostLine());
            break;
        case NetEvent::Type::Received:
            heard_ = std::chrono::steady_clock::now();
            Receive(app, event);
            break;
    }
}

void ClientSession::Receive(App& app, const NetEvent& event) {
    const std::optional<HostMessage> message = DecodeHostMessage(event.data);
    if (!message) {
        if (++badPackets_ >= kMostBadPackets)
            End(app, host_ + " kept sending packets that do not decode; disconnected.");
        return;
    }
    std::visit([&](const auto& body) { Handle(app, body); }, *message);
}

void ClientSession::Handle(App& app, const Welcome& welcome) {
    const std::optional<std::string> mapName = SafeMapName(welcome.mapName);
    if (!mapName) {
        End(app,
            host_ + " named a map that cannot be kept: \"" + Printable(welcome.mapName) + "\".");
        return;
    }
    welcome_ = welcome;
    welcome_->mapName = *mapName;
    download_.clear();
    downloading_ = false;
    const GameFolders& folders = app.Folders();
    for (const std::filesystem::path& candidate :
         {folders.ReadPath(std::filesystem::path("Maps") / *mapName),
          folders.ReadPath(DownloadName(*mapName, welcome.mapChecksum))}) {
        if (FileChecksum(candidate) == welcome.mapChecksum) {
            Play(app, candidate);
            return;
        }
    }
    app.GetConsole()->Print("Downloading \"%s\" from %s...", mapName->c_str(), host_.c_str());
    downloading_ = true;
    Send(MapRequest{}, Delivery::Reliable);
}

void ClientSession::Handle(App& app, const MapChunk& chunk) {
    // Chunks asked for under an earlier welcome may still come after a new one.
    if (!welcome_ || !downloading_ || chunk.offset != download_.size()) return;
    download_ += chunk.bytes;
    if (download_.size() > welcome_->mapSize) {
        End(app, host_ + " sent more of the map than it said it would.");
        return;
    }
    if (download_.size() == welcome_->mapSize) SaveDownload(app);
}

void ClientSession::SaveDownload(App& app) {
    if (Checksum(download_) != welcome_->mapChecksum) {
        End(app, "The map from " + host_ + " arrived damaged.");
        return;
    }
    std::string why;
    const std::filesystem::path path =
        app.Folders().WritePath(DownloadName(welcome_->mapName, welcome_->mapChecksum), why);
    if (path.empty() || !WriteFileAtomically(path, download_, &why)) {
        End(app, "The map from " + host_ + " cannot be kept: " + why + ".");
        return;
    }
    app.LogLine("Downloaded \"%s\" into \"%s\".", welcome_->mapName.c_str(),
                Printable(path.string()).c_str());
    download_.clear();
    downloading_ = false;
    Play(app, path);
}

void ClientSession::Play(App& app, const std::filesystem::path& map) {
    app.StartMapAt(map, welcome_->mapName, welcome_->players, welcome_->fragLimit,
                   welcome_->gameType);
    Game* game = app.CurrentGame();
    if (game == nullptr) {
        End(app, "The map from " + host_ + " cannot be played.");
        return;
    }
    game->SetMirror(true);
    playing_ = true;
    match_ = app.MatchNumber();
    Handle(app, Roster{names_});
    Send(Ready{welcome_->mapChecksum}, Delivery::Reliable);
}

void ClientSession::Handle(App& app, const Roster& roster) {
    names_ = roster.names;
    if (!InMirror(app)) return;
    Game* game = app.CurrentGame();
    std::vector<std::string> names(names_.size());
    for (std::size_t i = 0; i < names_.size(); ++i) {
        const auto local = static_cast<std::size_t>(Local(static_cast<int>(i)));
        if (local < names.size()) names[local] = CleanText(names_[i], kMaxNameLength);
    }
    game->SetNames(names);
}

void ClientSession::Handle(App& app, const Snapshot& snapshot) {
    if (!InMirror(app)) return;
    Game* game = app.CurrentGame();
    MatchState state = snapshot.state;
    const int slot = welcome_->slot;
    if (slot < static_cast<int>(state.figures.size()))
        std::swap(state.figures[0], state.figures[static_cast<std::size_t>(slot)]);
    for (EffectEvent& event : state.events) {
        if (NamesPlayer(event.kind)) event.number = Local(event.number);
    }
    game->ShowState(state);
}

void ClientSession::Handle(App& app, const TextLine& line) {
    const std::string text = CleanText(line.text, kMaxTextLength);
    if (InMirror(app)) app.CurrentGame()->AddMessage(text);
    app.GetConsole()->PrintText(text);
}

void ClientSession::Handle(App& app, const Refusal& refusal) {
    End(app, host_ + " refused: " + CleanText(refusal.reason, kMaxTextLength));
}

void ClientSession::Handle(App& app, const Farewell& farewell) {
    End(app, CleanText(farewell.reason, kMaxTextLength, "The host let this client go."));
}

void ClientSession::Handle(App& app, const TitleText& title) {
    if (InMirror(app))
        app.CurrentGame()->ShowTitle(CleanText(title.text, kMaxTextLength), title.duration);
}

void ClientSession::Handle(App& app, const CarriedRow& row) {
    if (InMirror(app)) app.CurrentGame()->ShowCarried(row.weapons);
}

bool ClientSession::InMirror(const App& app) const {
    return playing_ && app.CurrentGame() != nullptr && app.MatchNumber() == match_;
}

void ClientSession::End(App& app, const std::string& line) {
    if (finished_) return;
    finished_ = true;
    link_->Disconnect(0);
    SayNetLine(app, line);
    if (InMirror(app)) app.EndGame();
    playing_ = false;
}

std::string ClientSession::LostLine() const {
    return connected_ ? "Connection to " + host_ + " lost." : "Could not connect to " + host_ + ".";
}

void ClientSession::Send(const ClientMessage& message, Delivery delivery) {
    link_->Send(0, EncodeClientMessage(message), delivery);
}

int ClientSession::Local(int hostNumber) const {
    const int slot = welcome_ ? welcome_->slot : 0;
    if (hostNumber == slot) return 0;
    if (hostNumber == 0) return slot;
    return hostNumber;
}
