// A bad network on the loopback, for the packet-loss test: relays UDP datagrams between clients
// on LISTEN and a host on TARGET, both on 127.0.0.1, dropping DROP percent of them each way and
// holding the rest DELAY milliseconds. It stops by itself after SECONDS.
// Usage: loss_relay LISTEN TARGET SECONDS [DROP [DELAY [SEED]]]
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <random>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

struct Held {
    Clock::time_point due;
    int socket;
    sockaddr_in to;
    std::vector<char> bytes;
};

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int BoundSocket(int port) {
    const int s = socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in address = Loopback(port);
    if (s < 0 || bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        std::perror("loss_relay: bind");
        std::exit(1);
    }
    return s;
}

std::uint64_t Key(const sockaddr_in& a) {
    return (static_cast<std::uint64_t>(a.sin_addr.s_addr) << 16) | a.sin_port;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: loss_relay LISTEN TARGET SECONDS [DROP [DELAY [SEED]]]\n");
        return 2;
    }
    const int listen = BoundSocket(std::atoi(argv[1]));
    const sockaddr_in target = Loopback(std::atoi(argv[2]));
    const auto end = Clock::now() + std::chrono::seconds(std::atoi(argv[3]));
    const double drop = argc > 4 ? std::atof(argv[4]) / 100.0 : 0.10;
    const auto delay = std::chrono::milliseconds(argc > 5 ? std::atoi(argv[5]) : 50);
    std::mt19937 random(argc > 6 ? static_cast<unsigned>(std::atoi(argv[6])) : 1u);
    std::bernoulli_distribution dropped(drop);

    std::map<std::uint64_t, int> upstream;  // client address -> socket towards the host
    std::map<int, sockaddr_in> client;      // that socket -> the client it speaks for
    std::deque<Held> held;
    long relayed = 0;
    long lost = 0;
    std::vector<char> buffer(65536);
    while (Clock::now() < end) {
        std::vector<pollfd> fds{{listen, POLLIN, 0}};
        for (const auto& [s, from] : client)
            fds.push_back({s, POLLIN, 0});
        int wait = 20;
        if (!held.empty()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                held.front().due - Clock::now());
            wait = static_cast<int>(std::max<long>(0, std::min<long>(wait, left.count())));
        }
        poll(fds.data(), fds.size(), wait);
        for (const pollfd& fd : fds) {
            if ((fd.revents & POLLIN) == 0) continue;
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t n = recvfrom(fd.fd, buffer.data(), buffer.size(), 0,
                                       reinterpret_cast<sockaddr*>(&from), &length);
            if (n <= 0) continue;
            Held packet{Clock::now() + delay, -1, {}, {buffer.begin(), buffer.begin() + n}};
            if (fd.fd == listen) {
                auto [it, fresh] = upstream.try_emplace(Key(from), -1);
                if (fresh) {
                    it->second = BoundSocket(0);
                    client[it->second] = from;
                }
                packet.socket = it->second;
                packet.to = target;
            } else {
                packet.socket = listen;
                packet.to = client[fd.fd];
            }
            if (dropped(random)) {
                ++lost;
                continue;
            }
            held.push_back(std::move(packet));
        }
        while (!held.empty() && held.front().due <= Clock::now()) {
            const Held& packet = held.front();
            sendto(packet.socket, packet.bytes.data(), packet.bytes.size(), 0,
                   reinterpret_cast<const sockaddr*>(&packet.to), sizeof packet.to);
            ++relayed;
            held.pop_front();
        }
    }
    std::printf("relayed %ld datagrams, dropped %ld\n", relayed, lost);
    for (const auto& [s, from] : client)
        close(s);
    close(listen);
    return 0;
}
