// A one-connection score server on 127.0.0.1 for board tests: it records the request line and
// then answers, stays silent, or never stops sending; it stops by itself after a bounded time.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace boardtest {

// Answer: the reply once, then close. NeverAnswer: silence. Endless: the reply over and over.
enum class ServerManner { Answer, NeverAnswer, Endless };

class LoopbackServer {
public:
    explicit LoopbackServer(ServerManner manner, std::string reply = {});
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::uint16_t port() const { return listeningPort; }
    // The bytes received up to the first line feed (with it), once one arrived.
    std::string request() const;
    int connections() const { return accepted; }

private:
    void serve();

    ServerManner manner;
    std::string reply;
    int listener = -1;
    std::uint16_t listeningPort = 0;
    std::atomic<bool> stopping{false};
    std::atomic<int> accepted{0};
    mutable std::mutex mutex;
    std::string received;
    std::thread worker;
};

// A loopback port nothing listens on (found free a moment ago).
std::uint16_t closedLoopbackPort();

}  // namespace boardtest
