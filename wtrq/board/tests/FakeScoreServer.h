// Score servers that misbehave on purpose, on loopback ports of their own, for the exchange tests.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <thread>

namespace wtrq::test {

class FakeScoreServer {
 public:
  enum class Behaviour {
    reply,    // sends the reply text, then closes
    silent,   // reads the request and never answers
    endless,  // answers with the reply text over and over, up to a bound far above any cap
  };

  FakeScoreServer(Behaviour behaviour, std::string reply = {});
  ~FakeScoreServer();

  std::uint16_t port() const { return port_; }
  // What the client sent (read until its line feed and briefly after); waits for the server.
  std::string receivedRequest();
  // For the endless server: bytes it got into the connection before the client left.
  std::size_t bytesSent();

 private:
  void serve();

  Behaviour behaviour_;
  std::string reply_;
  int listener_ = -1;
  std::uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  std::string request_;
  std::size_t sent_ = 0;
  std::thread thread_;
};

// A port whose listen queue is full, so a new connection is never answered: the first
// handshake steps are dropped, as by a host that is not there.
class UnansweringPort {
 public:
  UnansweringPort();
  ~UnansweringPort();
  std::uint16_t port() const { return port_; }

 private:
  int listener_ = -1;
  int fillers_[4] = {-1, -1, -1, -1};
  std::uint16_t port_ = 0;
};

}  // namespace wtrq::test
