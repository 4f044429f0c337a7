// Server: the accept loop and the cap on open connections.
#include "Server.h"

#include <cstdio>
#include <vector>

namespace scores {

Server::Server(asio::io_context& io, const asio::ip::tcp::endpoint& endpoint, RequestHandler& handler,
               ServerLimits limits)
    : io_(io), acceptor_(io), retry_(io), handler_(handler), limits_(limits) {
  acceptor_.open(endpoint.protocol());
  acceptor_.set_option(asio::ip::tcp::acceptor::reuse_address(true));
  if (limits.shareAddress) {
    acceptor_.set_option(asio::detail::socket_option::boolean<SOL_SOCKET, SO_REUSEPORT>(true));
  }
  acceptor_.bind(endpoint);
  acceptor_.listen(asio::socket_base::max_listen_connections);
  port_ = acceptor_.local_endpoint().port();
  accept();
}

void Server::accept() {
  if (stopped_ || accepting_ || open_.size() >= limits_.maxConnections) return;
  accepting_ = true;
  acceptor_.async_accept([this](const asio::error_code& error, asio::ip::tcp::socket socket) {
    accepting_ = false;
    if (stopped_) return;
    if (error) {
      // Out of file descriptors and the like: say so, keep serving the clients we have, and
      // try again a little later instead of spinning on the same failure.
      if (error == asio::error::operation_aborted) return;
      std::fprintf(stderr, "wtrq-scores: accept failed: %s\n", error.message().c_str());
      accepting_ = true;
      retry_.expires_after(std::chrono::milliseconds(100));
      retry_.async_wait([this](const asio::error_code&) {
        accepting_ = false;
        accept();
      });
      return;
    }
    auto connection = std::make_shared<Connection>(std::move(socket), handler_, limits_.connection,
                                                   [this](Connection* c) { closed(c); });
    open_.emplace(connection.get(), connection);
    connection->start();
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
