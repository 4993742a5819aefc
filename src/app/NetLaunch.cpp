#include "app/NetLaunch.h"

#include <charconv>
#include <cstdio>
#include <memory>

#include "app/App.h"
#include "app/ClientSession.h"
#include "app/CommandLine.h"
#include "app/HostSession.h"
#include "console/Console.h"
#include "core/TextFormat.h"
#include "net/NetLink.h"

namespace {
// Most clients a host listens for, beyond which ENet turns them away itself; the match's
// player count turns away the rest with a reason.
constexpr int kMostConnections = 64;
}  // namespace

void SayNetLine(App& app, const std::string& line) {
    app.GetConsole()->PrintText(line);
    app.LogLine("%s", Printable(line).c_str());
    if (!app.Drawing()) std::fprintf(stderr, "brawlwick: %s\n", Printable(line).c_str());
}

void LaunchMatch(App& app, const LaunchOptions& options) {
    if (options.name) app.SetRunName(*options.name);
    if (options.connect) {
        ConnectToHost(app, *options.connect, options.port);
        return;
    }
    app.StartMap(options.mapName, options.maxPlayers, options.fragLimit, options.gameType);
    if (options.host) HostMatches(app, options.port);
}

bool HostMatches(App& app, std::uint16_t port) {
    std::string why;
    std::unique_ptr<NetLink> link = ListenOn(port, kMostConnections, why);
    if (!link) {
        SayNetLine(app, "Cannot host: " + why + ".");
        return false;
    }
    app.StartNet(std::make_unique<HostSession>(std::move(link)));
    SayNetLine(app, "Hosting on port " + std::to_string(port) + ".");
    return true;
}

bool ConnectToHost(App& app, const std::string& address, std::uint16_t defaultPort) {
    std::string host = address;
    std::uint16_t port = defaultPort;
    if (const auto colon = address.rfind(':'); colon != std::string::npos) {
        host = address.substr(0, colon);
        const std::string digits = address.substr(colon + 1);
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), port);
        if (error != std::errc() || end != digits.data() + digits.size() || port == 0) {
            SayNetLine(app, "\"" + address + "\" names no port.");
            return false;
        }
    }
    std::string why;
    std::unique_ptr<NetLink> link = ConnectTo(host, port, why);
    if (!link) {
        SayNetLine(app, "Cannot connect to " + host + ": " + why + ".");
        return false;
    }
    app.EndGame();
    app.StartNet(std::make_unique<ClientSession>(std::move(link), host, app.PlayerName()));
    SayNetLine(app, "Connecting to " + host + "...");
    return true;
}
