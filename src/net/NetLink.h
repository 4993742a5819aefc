#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// One end of the network: a host listening for clients, or a client's one connection. Peers
// are numbered by the link; a client's host is peer 0. Behind this interface so the host and
// the client can be tested in one process, and so nothing above it knows ENet.
struct NetEvent {
    enum class Type { Connected, Received, Disconnected };
    Type type = Type::Received;
    int peer = 0;
    std::vector<std::uint8_t> data;
};

enum class Delivery { Reliable, Sequenced };

class NetLink {
public:
    virtual ~NetLink() = default;
    // What happened since the last call, waiting at most `waitMs` for the first event.
    virtual std::vector<NetEvent> Poll(int waitMs) = 0;
    virtual void Send(int peer, std::span<const std::uint8_t> bytes, Delivery delivery) = 0;
    // Sends what is queued now rather than at the next poll.
    virtual void Flush() = 0;
    // Drops the peer; it is told, when it can still be reached.
    virtual void Disconnect(int peer) = 0;
    // Lets the peer go once what was sent to it has arrived, for as long as the link is polled;
    // its Disconnected event follows.
    virtual void Release(int peer) = 0;
    virtual std::uint64_t BytesSent() const = 0;
    virtual std::uint64_t BytesReceived() const = 0;
    // The port listened on: the one asked for, or the one given for 0.
    virtual std::uint16_t Port() const = 0;
};

// A host on `port` of every address, for at most `peers` connections; none, with `why`, when
// the port cannot be had.
std::unique_ptr<NetLink> ListenOn(std::uint16_t port, int peers, std::string& why);
// A connection on its way to `host`; its Connected event says it was made, a Disconnected one
// that it could not be. None, with `why`, for a host name that does not resolve.
std::unique_ptr<NetLink> ConnectTo(const std::string& host, std::uint16_t port, std::string& why);
// A peer silent this long is dropped: every session keeps it by the clock, as both ends send
// something every frame.
inline constexpr int kTimeoutMs = 5000;
