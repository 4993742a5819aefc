#include <gtest/gtest.h>

#include <chrono>

#include "net/NetLink.h"
#include "net/Protocol.h"

namespace {
// Polls both ends until `done` or two seconds pass.
template <typename Done>
void PollUntil(NetLink& a, NetLink& b, std::vector<NetEvent>& seenByA,
               std::vector<NetEvent>& seenByB, Done done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done() && std::chrono::steady_clock::now() < end) {
        for (NetEvent& e : a.Poll(5))
            seenByA.push_back(std::move(e));
        for (NetEvent& e : b.Poll(5))
            seenByB.push_back(std::move(e));
    }
}

bool Has(const std::vector<NetEvent>& events, NetEvent::Type type) {
    for (const NetEvent& e : events) {
        if (e.type == type) return true;
    }
    return false;
}
}  // namespace

TEST(NetLink, HostAndClientTalkOnLoopbackAndPartCleanly) {
    std::string why;
    auto host = ListenOn(0, 4, why);
    ASSERT_TRUE(host) << why;
    auto client = ConnectTo("127.0.0.1", host->Port(), why);
    ASSERT_TRUE(client) << why;
    std::vector<NetEvent> atHost;
    std::vector<NetEvent> atClient;
    PollUntil(*host, *client, atHost, atClient, [&] {
        return Has(atHost, NetEvent::Type::Connected) && Has(atClient, NetEvent::Type::Connected);
    });
    ASSERT_TRUE(Has(atHost, NetEvent::Type::Connected));

    const std::vector<std::uint8_t> hello = {1, 2, 3};
    client->Send(0, hello, Delivery::Reliable);
    host->Send(atHost.front().peer, hello, Delivery::Sequenced);
    PollUntil(*host, *client, atHost, atClient, [&] {
        return Has(atHost, NetEvent::Type::Received) && Has(atClient, NetEvent::Type::Received);
    });
    for (const auto* events : {&atHost, &atClient}) {
        ASSERT_TRUE(Has(*events, NetEvent::Type::Received));
        EXPECT_EQ(events->back().data, hello);
    }
    EXPECT_GT(host->BytesSent(), 0u);

    // A state larger than a datagram comes in pieces; a packet no decoder would take never goes.
    const std::vector<std::uint8_t> state(10000, 5);
    const std::vector<std::uint8_t> tooLarge(kMaxPacketBytes + 1, 6);
    host->Send(atHost.front().peer, tooLarge, Delivery::Sequenced);
    host->Send(atHost.front().peer, state, Delivery::Sequenced);
    const std::size_t before = atClient.size();
    PollUntil(*host, *client, atHost, atClient, [&] { return atClient.size() > before; });
    ASSERT_EQ(atClient.size(), before + 1);
    EXPECT_EQ(atClient.back().data, state);

    client->Disconnect(0);
    PollUntil(*host, *client, atHost, atClient,
              [&] { return Has(atHost, NetEvent::Type::Disconnected); });
    EXPECT_TRUE(Has(atHost, NetEvent::Type::Disconnected));
}

TEST(NetLink, AReleasedPeerHasWhatWasSentBeforeItIsLetGo) {
    std::string why;
    auto host = ListenOn(0, 4, why);
    ASSERT_TRUE(host) << why;
    auto client = ConnectTo("127.0.0.1", host->Port(), why);
    ASSERT_TRUE(client) << why;
    std::vector<NetEvent> atHost;
    std::vector<NetEvent> atClient;
    PollUntil(*host, *client, atHost, atClient,
              [&] { return Has(atHost, NetEvent::Type::Connected); });
    ASSERT_TRUE(Has(atHost, NetEvent::Type::Connected));
    const std::vector<std::uint8_t> farewell(3000, 7);  // more than one datagram
    host->Send(atHost.front().peer, farewell, Delivery::Reliable);
    host->Release(atHost.front().peer);
    PollUntil(*host, *client, atHost, atClient,
              [&] { return Has(atClient, NetEvent::Type::Disconnected); });
    ASSERT_GE(atClient.size(), 3u);
    EXPECT_EQ(atClient[atClient.size() - 2].data, farewell);
    EXPECT_EQ(atClient.back().type, NetEvent::Type::Disconnected);
}

TEST(NetLink, AnUnknownHostIsSaid) {
    std::string why;
    EXPECT_FALSE(ConnectTo("no-such-host.invalid", 1, why));
    EXPECT_FALSE(why.empty());
}
