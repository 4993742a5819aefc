// The network link over ENet: a reliable, ordered channel and a sequenced one on UDP.
#include <enet/enet.h>

#include <algorithm>
#include <cstdint>

#include "net/NetLink.h"
#include "net/Protocol.h"

namespace {
// ENet keeps no state of its own to set up on the platforms we build for, but asks to be
// initialised once before any host.
bool InitialiseOnce() {
    static const bool ready = [] {
        if (enet_initialize() != 0) return false;
        std::atexit(enet_deinitialize);
        return true;
    }();
    return ready;
}

// ENet notices a silent peer only when a resent packet times out, which can be seconds late;
// the sessions keep the time-out themselves by the clock, and ENet's is the backstop.
void Watch(ENetPeer* peer) { enet_peer_timeout(peer, 0, 2 * kTimeoutMs, 2 * kTimeoutMs); }

// ENet would gather a packet of many megabytes, and queue as much per peer, before the game's
// decoder looks at it. Nothing we send is larger than a packet the decoder takes, and a peer
// has at most a window of map chunks and a few states on their way at once; past that, what
// is reliable comes again and the rest was stale anyway.
constexpr std::size_t kMostWaitingBytes = 16 * kMaxPacketBytes;

void Bound(ENetHost* host) {
    host->maximumPacketSize = kMaxPacketBytes;
    host->maximumWaitingData = kMostWaitingBytes;
}

class EnetLink final : public NetLink {
public:
    explicit EnetLink(ENetHost* host) : host_(host) {}
    ~EnetLink() override {
        for (ENetPeer* peer : peers_) {
            if (peer != nullptr) enet_peer_disconnect_now(peer, 0);
        }
        enet_host_destroy(host_);
    }
    EnetLink(const EnetLink&) = delete;
    EnetLink& operator=(const EnetLink&) = delete;

    void Adopt(ENetPeer* peer) { Number(peer); }

    std::vector<NetEvent> Poll(int waitMs) override {
        std::vector<NetEvent> events;
        ENetEvent event;
        int wait = std::max(0, waitMs);
        while (enet_host_service(host_, &event, static_cast<enet_uint32>(wait)) > 0) {
            wait = 0;
            Take(event, events);
        }
        return events;
    }

    void Send(int peer, std::span<const std::uint8_t> bytes, Delivery delivery) override {
        ENetPeer* target = PeerAt(peer);
        if (target == nullptr || bytes.empty()) return;
        const bool reliable = delivery == Delivery::Reliable;
        // A state over the datagram size is split; its pieces are not resent, as a lost state
        // is stale by the time it would come again.
        ENetPacket* packet = enet_packet_create(
            bytes.data(), bytes.size(),
            reliable ? ENET_PACKET_FLAG_RELIABLE : ENET_PACKET_FLAG_UNRELIABLE_FRAGMENT);
        if (packet == nullptr) return;
        if (enet_peer_send(target, reliable ? kReliableChannel : kSequencedChannel, packet) != 0)
            enet_packet_destroy(packet);
    }

    void Flush() override { enet_host_flush(host_); }

    void Disconnect(int peer) override {
        ENetPeer* target = PeerAt(peer);
        if (target == nullptr) return;
        // What was queued goes first; then the peer is told, as far as one datagram tells.
        enet_host_flush(host_);
        enet_peer_disconnect_now(target, 0);
        peers_.at(static_cast<std::size_t>(peer)) = nullptr;
    }

    void Release(int peer) override {
        if (ENetPeer* target = PeerAt(peer)) enet_peer_disconnect_later(target, 0);
    }

    std::uint64_t BytesSent() const override { return host_->totalSentData; }
    std::uint64_t BytesReceived() const override { return host_->totalReceivedData; }
    std::uint16_t Port() const override { return host_->address.port; }

private:
    void Take(const ENetEvent& event, std::vector<NetEvent>& events) {
        NetEvent out;
        out.peer = Number(event.peer);
        switch (event.type) {
            case ENET_EVENT_TYPE_CONNECT:
                out.type = NetEvent::Type::Connected;
                Watch(event.peer);
                break;
            case ENET_EVENT_TYPE_DISCONNECT:
                out.type = NetEvent::Type::Disconnected;
                peers_.at(static_cast<std::size_t>(out.peer)) = nullptr;
                break;
            case ENET_EVENT_TYPE_RECEIVE:
                out.type = NetEvent::Type::Received;
                out.data.assign(event.packet->data, event.packet->data + event.packet->dataLength);
                enet_packet_destroy(event.packet);
                break;
            default:
                return;
        }
        events.push_back(std::move(out));
    }

    // The peer's number, given at first sight: the lowest free one.
    int Number(ENetPeer* peer) {
        const auto known = std::find(peers_.begin(), peers_.end(), peer);
        if (known != peers_.end()) return static_cast<int>(known - peers_.begin());
        const auto free = std::find(peers_.begin(), peers_.end(), nullptr);
        if (free != peers_.end()) {
            *free = peer;
            return static_cast<int>(free - peers_.begin());
        }
        peers_.push_back(peer);
        return static_cast<int>(peers_.size() - 1);
    }

    ENetPeer* PeerAt(int peer) const {
        if (peer < 0 || static_cast<std::size_t>(peer) >= peers_.size()) return nullptr;
        return peers_[static_cast<std::size_t>(peer)];
    }

    ENetHost* host_;
    std::vector<ENetPeer*> peers_;
};
}  // namespace

std::unique_ptr<NetLink> ListenOn(std::uint16_t port, int peers, std::string& why) {
    if (!InitialiseOnce()) {
        why = "the network could not be started";
        return nullptr;
    }
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    ENetHost* host = enet_host_create(
        &address, static_cast<std::size_t>(std::clamp(peers, 1, 4095)), kChannelCount, 0, 0);
    if (host == nullptr) {
        why = "port " + std::to_string(port) + " cannot be had";
        return nullptr;
    }
    Bound(host);
    return std::make_unique<EnetLink>(host);
}

std::unique_ptr<NetLink> ConnectTo(const std::string& host, std::uint16_t port, std::string& why) {
    if (!InitialiseOnce()) {
        why = "the network could not be started";
        return nullptr;
    }
    ENetAddress address{};
    if (enet_address_set_host(&address, host.c_str()) != 0) {
        why = "no such host";
        return nullptr;
    }
    address.port = port;
    ENetHost* client = enet_host_create(nullptr, 1, kChannelCount, 0, 0);
    if (client == nullptr) {
        why = "the network could not be started";
        return nullptr;
    }
    Bound(client);
    ENetPeer* peer = enet_host_connect(client, &address, kChannelCount, 0);
    if (peer == nullptr) {
        enet_host_destroy(client);
        why = "no connection could be started";
        return nullptr;
    }
    Watch(peer);
    auto link = std::make_unique<EnetLink>(client);
    link->Adopt(peer);
    return link;
}
