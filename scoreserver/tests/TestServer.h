// A score server running inside the test on a loopback port of its own, and a plain client.
#pragma once

#include <asio.hpp>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "RequestHandler.h"
#include "ScoreKeeper.h"
#include "Server.h"

namespace scores::testing {

// A fresh folder under the system's temporary folder, removed again with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class TestServer {
 public:
  explicit TestServer(std::unique_ptr<ScoreStore> store, ServerLimits limits = {});
  ~TestServer();

  unsigned short port() const { return port_; }
  ScoreKeeper& keeper() { return *keeper_; }

 private:
  asio::io_context io_{1};
  std::unique_ptr<ScoreKeeper> keeper_;
  std::unique_ptr<RequestHandler> handler_;
  std::unique_ptr<Server> server_;
  unsigned short port_ = 0;
  std::thread thread_;
};

// Connects to 127.0.0.1:port, sends the bytes and reads until the server closes (or the
// time is up); whatever arrived is returned.
std::string talk(unsigned short port, const std::string& bytes,
                 std::chrono::milliseconds limit = std::chrono::milliseconds(5000));

// A raw connection the test holds open, sending what it likes when it likes.
class HeldConnection {
 public:
  explicit HeldConnection(unsigned short port);
  ~HeldConnection();
  HeldConnection(const HeldConnection&) = delete;
  HeldConnection& operator=(const HeldConnection&) = delete;
  bool connected() const { return connected_; }
  void send(const std::string& bytes);
  // Reads until the server closes.
  std::string readAll();

 private:
  int fd_;
  bool connected_ = false;
};

}  // namespace scores::testing
