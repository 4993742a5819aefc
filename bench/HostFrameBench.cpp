// A network host's frame: the match's update, and for every fourth step its state captured,
// encoded once and sent to each client over ENet on the loopback, as the host does. Argument 0
// is a host with nine bots and nobody connected; 8 has eight of the places played by clients
// that walk to and fro and fire. The clients' own work is not timed.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "core/Random.h"
#include "input/KeyTable.h"
#include "net/HostMessages.h"
#include "net/NetLink.h"
#include "support/GameRig.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;
constexpr int kPlayers = 9;
constexpr int kStepsPerState = 4;

// Clients connected to `host`, each past its handshake; `peers` gets the host's numbers for them.
std::vector<std::unique_ptr<NetLink>> Connect(NetLink& host, int count, std::vector<int>& peers) {
    std::vector<std::unique_ptr<NetLink>> clients;
    clients.reserve(static_cast<std::size_t>(count));
    std::string why;
    for (int i = 0; i < count; ++i)
        clients.push_back(ConnectTo("127.0.0.1", host.Port(), why));
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (static_cast<int>(peers.size()) < count && std::chrono::steady_clock::now() < end) {
        for (const NetEvent& event : host.Poll(1)) {
            if (event.type == NetEvent::Type::Connected) peers.push_back(event.peer);
        }
        for (auto& client : clients)
            client->Poll(0);
    }
    return clients;
}

// The input of a client on the step: a walk one way then the other, a click twice a second.
RemoteInput Playing(int step) {
    RemoteInput input;
    input.held = static_cast<std::uint16_t>(
        1u << ((step / 400) % 2 == 0 ? Action::kMoveRight : Action::kMoveLeft));
    input.facingRight = (step / 400) % 2 == 0;
    input.presses[static_cast<std::size_t>(PressedCommand::Primary)] =
        static_cast<std::uint8_t>(step / 40);
    return input;
}

void HostFrame(benchmark::State& state) {
    const int clientCount = static_cast<int>(state.range(0));
    SeedRandom(9);
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-host-frame-bench", kBase);
    auto game = rig.StartGame(kBase / "Maps" / "bwdm1.bwm", kPlayers);
    std::string why;
    auto host = ListenOn(0, kPlayers, why);
    if (!host) {
        state.SkipWithError(why.c_str());
        return;
    }
    std::vector<int> peers;
    auto clients = Connect(*host, clientCount, peers);
    for (int i = 1; i <= clientCount; ++i)
        game->TakeRemote(i, "Client " + std::to_string(i));
    if (clientCount > 0) game->KeepForClients();
    int step = 0;
    for (auto _ : state) {
        for (int i = 1; i <= clientCount; ++i)
            game->SetRemoteInput(i, Playing(step));
        rig.Tick();
        game->Update();
        if (clientCount > 0 && ++step % kStepsPerState == 0) {
            const auto bytes = EncodeHostMessage(Snapshot{game->CaptureState()});
            for (const int peer : peers)
                host->Send(peer, bytes, Delivery::Sequenced);
        }
        host->Flush();
        host->Poll(0);
        state.PauseTiming();
        for (auto& client : clients)
            client->Poll(0);
        state.ResumeTiming();
    }
    state.counters["kbit_s_each"] =
        clientCount == 0 ? 0.0
                         : static_cast<double>(host->BytesSent()) * 8.0 / 1000.0 /
                               (static_cast<double>(state.iterations()) / 80.0) / clientCount;
}
BENCHMARK(HostFrame)->Arg(0)->Arg(8)->Unit(benchmark::kMicrosecond)->Iterations(4800);
}  // namespace

BENCHMARK_MAIN();
