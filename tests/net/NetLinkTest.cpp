#include <gtest/gtest.h>

#include <chrono>

#include "net/NetLink.h"
#include "net/Protocol.h"

namespace {
bool Has(const std::vector<NetEvent>& events, NetEvent::Type type) {
    for (const NetEvent& e : events) {
        if (e.type == type) return true;
    }
    return false;
}

// A host and a client on the loopback, with what each has seen.
struct Loopback {
    std::unique_ptr<NetLink> host;
    std::unique_ptr<NetLink> client;
    std::vector<NetEvent> atHost;
    std::vector<NetEvent> atClient;

    // Polls both ends until `done` or two seconds pass.
    template <typename Done>
    void PollUntil(Done done) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!done() && std::chrono::steady_clock::now() < end) {
            for (NetEvent& e : host->Poll(5))
                atHost.push_back(std::move(e));
            for (NetEvent& e : client->Poll(5))
                atClient.push_back(std::move(e));
        }
    }
    int Peer() const { return atHost.front().peer; }
};

// Until the host has seen the client connect.
void Connect(Loopback& net) {
    std::string why;
    net.host = ListenOn(0, 4, why);
    ASSERT_TRUE(net.host) << why;
    net.client = ConnectTo("127.0.0.1", net.host->Port(), why);
    ASSERT_TRUE(net.client) << why;
    net.PollUntil([&] {
        return Has(net.atHost, NetEvent::Type::Connected) &&
               Has(net.atClient, NetEvent::Type::Connected);
    });
    ASSERT_TRUE(Has(net.atHost, NetEvent::Type::Connected));
}
}  // namespace

TEST(NetLink, HostAndClientTalkOnLoopbackAndPartCleanly) {
    Loopback net;
    ASSERT_NO_FATAL_FAILURE(Connect(net));
    const std::vector<std::uint8_t> hello = {1, 2, 3};
    net.client->Send(0, hello, Delivery::Reliable);
    net.host->Send(net.Peer(), hello, Delivery::Sequenced);
    net.PollUntil([&] {
        return Has(net.atHost, NetEvent::Type::Received) &&
               Has(net.atClient, NetEvent::Type::Received);
    });
    for (const auto* events : {&net.atHost, &net.atClient}) {
        ASSERT_TRUE(Has(*events, NetEvent::Type::Received));
        EXPECT_EQ(events->back().data, hello);
    }
    EXPECT_GT(net.host->BytesSent(), 0u);

    // A state larger than a datagram comes in pieces; a packet no decoder would take never goes.
    const std::vector<std::uint8_t> state(10000, 5);
    const std::vector<std::uint8_t> tooLarge(kMaxPacketBytes + 1, 6);
    net.host->Send(net.Peer(), tooLarge, Delivery::Sequenced);
    net.host->Send(net.Peer(), state, Delivery::Sequenced);
    const std::size_t before = net.atClient.size();
    net.PollUntil([&] { return net.atClient.size() > before; });
    ASSERT_EQ(net.atClient.size(), before + 1);
    EXPECT_EQ(net.atClient.back().data, state);

    net.client->Disconnect(0);
    net.PollUntil([&] { return Has(net.atHost, NetEvent::Type::Disconnected); });
    EXPECT_TRUE(Has(net.atHost, NetEvent::Type::Disconnected));
}

TEST(NetLink, AReleasedPeerHasWhatWasSentBeforeItIsLetGo) {
    Loopback net;
    ASSERT_NO_FATAL_FAILURE(Connect(net));
    const std::vector<std::uint8_t> farewell(3000, 7);  // more than one datagram
    net.host->Send(net.Peer(), farewell, Delivery::Reliable);
    net.host->Release(net.Peer());
    net.PollUntil([&] { return Has(net.atClient, NetEvent::Type::Disconnected); });
    ASSERT_GE(net.atClient.size(), 3u);
    EXPECT_EQ(net.atClient[net.atClient.size() - 2].data, farewell);
    EXPECT_EQ(net.atClient.back().type, NetEvent::Type::Disconnected);
}

TEST(NetLink, AnUnknownHostIsSaid) {
    std::string why;
    EXPECT_FALSE(ConnectTo("no-such-host.invalid", 1, why));
    EXPECT_FALSE(why.empty());
}
