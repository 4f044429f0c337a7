// The in-test server runs the real accept loop, connections and keeper on a thread of its own.
#include "TestServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <random>
#include <stdexcept>

namespace scores::testing {

TempFolder::TempFolder() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() / ("scoreserver-test-" + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

TestServer::TestServer(std::unique_ptr<ScoreStore> store, ServerLimits limits) {
  keeper_ = std::make_unique<ScoreKeeper>(std::move(store));
  handler_ = std::make_unique<RequestHandler>(*keeper_);
  asio::ip::tcp::endpoint endpoint(asio::ip::make_address("127.0.0.1"), 0);
  server_ = std::make_unique<Server>(io_, endpoint, *handler_, limits);
  port_ = server_->port();
  thread_ = std::thread([this] { io_.run(); });
}

TestServer::~TestServer() {
  asio::post(io_, [this] { server_->stop(); });
  thread_.join();
  // The keeper drains first; anything it still posts is dropped with the loop.
  keeper_.reset();
}

std::string talk(unsigned short port, const std::string& bytes, std::chrono::milliseconds limit) {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) throw std::runtime_error("socket failed");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    throw std::runtime_error("connect to the test server failed");
  }
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) break;  // the server may refuse and close before everything is sent
    sent += static_cast<std::size_t>(n);
  }
  std::string reply;
  auto until = std::chrono::steady_clock::now() + limit;
  char buffer[4096];
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd waiting{fd, POLLIN, 0};
    if (::poll(&waiting, 1, static_cast<int>(left.count())) <= 0) break;
    ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    reply.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return reply;
}

HeldConnection::HeldConnection(unsigned short port) : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

HeldConnection::~HeldConnection() { ::close(fd_); }

void HeldConnection::send(const std::string& bytes) { ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL); }

std::string HeldConnection::readAll() {
  std::string reply;
  char buffer[1024];
  ssize_t n;
  while ((n = ::recv(fd_, buffer, sizeof buffer, 0)) > 0) reply.append(buffer, static_cast<std::size_t>(n));
  return reply;
}

}  // namespace scores::testing
