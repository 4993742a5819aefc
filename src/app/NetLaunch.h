#pragma once

#include <cstdint>
#include <string>

class App;
struct LaunchOptions;

// Starts what the command line asks for: the match, hosted for -host, or, for -connect, a
// connection that brings the host's match instead.
void LaunchMatch(App& app, const LaunchOptions& options);
// Hosts the running match and those after it on the port; false, said on the console, when the
// port cannot be had.
bool HostMatches(App& app, std::uint16_t port);
// "HOST" or "HOST:PORT"; the default port when none is given. False, said on the console, for
// an address that does not read or resolve.
bool ConnectToHost(App& app, const std::string& address, std::uint16_t defaultPort);
// A line of the network's for the player wherever he looks: the console, the log and, headless,
// stderr.
void SayNetLine(App& app, const std::string& line);
