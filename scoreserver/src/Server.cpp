// Server: the accept loop and the cap on open connections.
#include "Server.h"

#include <sys/socket.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace scores {

Server::Server(asio::io_context& io, const asio::ip::tcp::endpoint& endpoint, RequestHandler& handler,
               ServerLimits limits)
    : io_(io), protocol_(endpoint.protocol()), acceptor_(io), retry_(io), handler_(handler), limits_(limits) {
  acceptor_.open(endpoint.protocol());
  acceptor_.set_option(asio::ip::tcp::acceptor::reuse_address(true));
  if (limits.shareAddress) {
    acceptor_.set_option(asio::detail::socket_option::boolean<SOL_SOCKET, SO_REUSEPORT>(true));
  }
  acceptor_.bind(endpoint);
  acceptor_.listen(asio::socket_base::max_listen_connections);
  // Clients are taken with accept4 until the queue is empty, which must not block.
  acceptor_.non_blocking(true);
  port_ = acceptor_.local_endpoint().port();
  accept();
}

void Server::accept() {
  if (stopped_ || accepting_ || taking_ || open_.size() >= limits_.maxConnections) return;
  accepting_ = true;
  acceptor_.async_wait(asio::socket_base::wait_read, [this](const asio::error_code& error) {
    accepting_ = false;
    if (stopped_ || error == asio::error::operation_aborted) return;
    if (error) {
      std::fprintf(stderr, "wtrq-scores: waiting for clients failed: %s\n", error.message().c_str());
      return retryLater();
    }
    takeWaiting();
  });
}

void Server::takeWaiting() {
  // One wake-up of the loop serves every client that queued up meanwhile; each arrives
  // non-blocking already, so no further call is needed before reading from it.
  taking_ = true;
  while (!stopped_ && open_.size() < limits_.maxConnections) {
    int descriptor = ::accept4(acceptor_.native_handle(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (descriptor < 0) {
      int error = errno;
      if (error == EAGAIN || error == EWOULDBLOCK) break;
      // A client that gave up while queued, or a signal: the next one may be fine.
      if (error == ECONNABORTED || error == EINTR || error == EPROTO) continue;
      // Out of file descriptors and the like: say so, keep serving the clients we have, and
      // try again a little later instead of spinning on the same failure.
      std::fprintf(stderr, "wtrq-scores: accept failed: %s\n", std::strerror(error));
      taking_ = false;
      return retryLater();
    }
    auto connection = std::make_shared<Connection>(io_.get_executor(), protocol_, descriptor, handler_, limits_.connection,
                                                   [this](Connection* c) { closed(c); });
    open_.emplace(connection.get(), connection);
    connection->start();
  }
  taking_ = false;
  accept();
}

void Server::retryLater() {
  accepting_ = true;
  retry_.expires_after(std::chrono::milliseconds(100));
  retry_.async_wait([this](const asio::error_code&) {
    accepting_ = false;
    accept();
  });
}

void Server::closed(Connection* connection) {
  open_.erase(connection);
  accept();
}

void Server::stop() {
  if (stopped_) return;
  stopped_ = true;
  asio::error_code ignored;
  acceptor_.close(ignored);
  retry_.cancel();
  std::vector<std::shared_ptr<Connection>> open;
  for (auto& [key, connection] : open_) open.push_back(connection);
  for (auto& connection : open) connection->stopReading();
}

}  // namespace scores
