// The test server's socket work: bind on loopback, accept once, read a line, then its manner.
#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace boardtest {

namespace {

using Clock = std::chrono::steady_clock;
// Nothing a test does takes this long; the server gives up on its own after it.
constexpr std::chrono::seconds lifetime{20};

int boundLoopbackSocket(std::uint16_t& port)
{
    const int socketHandle = socket(AF_INET, SOCK_STREAM, 0);
    if (socketHandle < 0) {
        throw std::runtime_error("no socket for the test server");
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (bind(socketHandle, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(socketHandle, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(socketHandle);
        throw std::runtime_error("the test server cannot bind to 127.0.0.1");
    }
    port = ntohs(address.sin_port);
    return socketHandle;
}

// Waits for the socket to become readable in short slices, so a stop request is seen soon.
bool readable(int socketHandle, const std::atomic<bool>& stopping, Clock::time_point deadline)
{
    while (!stopping && Clock::now() < deadline) {
        pollfd watched{socketHandle, POLLIN, 0};
        if (poll(&watched, 1, 20) > 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

LoopbackServer::LoopbackServer(ServerManner manner, std::string reply) : manner(manner), reply(std::move(reply))
{
    listener = boundLoopbackSocket(listeningPort);
    if (listen(listener, 4) != 0) {
        close(listener);
        throw std::runtime_error("the test server cannot listen");
    }
    worker = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer()
{
    stopping = true;
    worker.join();
    close(listener);
}

std::string LoopbackServer::request() const
{
    std::lock_guard lock(mutex);
    return received;
}

void LoopbackServer::serve()
{
    const Clock::time_point deadline = Clock::now() + lifetime;
    if (!readable(listener, stopping, deadline)) {
        return;
    }
    const int client = accept(listener, nullptr, nullptr);
    if (client < 0) {
        return;
    }
    ++accepted;
    std::string line;
    char byte = 0;
    while (line.find('\n') == std::string::npos && readable(client, stopping, deadline) &&
           recv(client, &byte, 1, 0) == 1) {
        line += byte;
    }
    {
        std::lock_guard lock(mutex);
        received = line;
    }
    if (manner == ServerManner::Answer) {
        send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
    } else if (manner == ServerManner::Endless) {
        // Until the client hangs up (a failed send) or the server's time is up.
        while (!stopping && Clock::now() < deadline && send(client, reply.data(), reply.size(), MSG_NOSIGNAL) > 0) {
        }
    } else {
        while (!stopping && Clock::now() < deadline) {
            readable(client, stopping, Clock::now() + std::chrono::milliseconds(20));
            char ignored[256];
            recv(client, ignored, sizeof ignored, MSG_DONTWAIT);
        }
    }
    close(client);
}

std::uint16_t closedLoopbackPort()
{
    std::uint16_t port = 0;
    close(boundLoopbackSocket(port));
    return port;
}

}  // namespace boardtest
