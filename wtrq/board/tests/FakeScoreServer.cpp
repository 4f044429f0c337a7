// Fake score servers over plain POSIX sockets; every wait in them is bounded.
#include "FakeScoreServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace wtrq::test {

namespace {

constexpr std::size_t endlessBound = 64 * 1024 * 1024;

int listenOnLoopback(int backlog, std::uint16_t& port) {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(fd, backlog) != 0) {
    throw std::runtime_error("fake score server: cannot listen on loopback");
  }
  socklen_t length = sizeof address;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return fd;
}

bool readable(int fd, int milliseconds) {
  pollfd waiting{fd, POLLIN, 0};
  return ::poll(&waiting, 1, milliseconds) > 0;
}

}  // namespace

FakeScoreServer::FakeScoreServer(Behaviour behaviour, std::string reply)
    : behaviour_(behaviour), reply_(std::move(reply)) {
  listener_ = listenOnLoopback(4, port_);
  thread_ = std::thread([this] { serve(); });
}

FakeScoreServer::~FakeScoreServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  ::close(listener_);
}

std::string FakeScoreServer::receivedRequest() {
  if (thread_.joinable()) thread_.join();
  return request_;
}

std::size_t FakeScoreServer::bytesSent() {
  if (thread_.joinable()) thread_.join();
  return sent_;
}

void FakeScoreServer::serve() {
  if (!readable(listener_, 5000)) return;
  int client = ::accept(listener_, nullptr, nullptr);
  if (client < 0) return;
  char buffer[4096];
  // Read the line, then a little longer to catch anything sent after its line feed.
  bool lineEnded = false;
  while (readable(client, lineEnded ? 100 : 5000)) {
    ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    request_.append(buffer, static_cast<std::size_t>(n));
    lineEnded = request_.find('\n') != std::string::npos;
  }
  switch (behaviour_) {
    case Behaviour::reply:
      ::send(client, reply_.data(), reply_.size(), MSG_NOSIGNAL);
      break;
    case Behaviour::silent:
      // Until the client gives up (its close reads as end of file) or the test ends.
      while (!stop_) {
        if (readable(client, 20) && ::recv(client, buffer, sizeof buffer, 0) <= 0) break;
      }
      break;
    case Behaviour::endless:
      while (sent_ < endlessBound && !stop_) {
        ssize_t n = ::send(client, reply_.data(), reply_.size(), MSG_NOSIGNAL);
        if (n <= 0) break;
        sent_ += static_cast<std::size_t>(n);
      }
      break;
  }
  ::close(client);
}

UnansweringPort::UnansweringPort() {
  listener_ = listenOnLoopback(0, port_);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port_);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  // Nobody accepts, so these few fill the queue; connections after them go unanswered.
  for (int& filler : fillers_) {
    filler = ::socket(AF_INET, SOCK_STREAM, 0);
    ::fcntl(filler, F_SETFL, O_NONBLOCK);
    ::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
  }
}

UnansweringPort::~UnansweringPort() {
  for (int filler : fillers_) ::close(filler);
  ::close(listener_);
}

}  // namespace wtrq::test
