// Accepts clients on one address, at most a set number at a time, until stopped.
#pragma once

#include <asio.hpp>

#include <cstddef>
#include <memory>
#include <unordered_map>

#include "Connection.h"
#include "RequestHandler.h"

namespace scores {

struct ServerLimits {
  ConnectionLimits connection;
  // Beyond this, new clients wait in the listen queue until a connection ends.
  std::size_t maxConnections = 1024;
  // Lets several servers, one per thread, listen on the same address; the system spreads
  // new connections over them.
  bool shareAddress = false;
};

class Server {
 public:
  // Binds at once, so a taken port fails here (asio::system_error) and not later.
  Server(asio::io_context& io, const asio::ip::tcp::endpoint& endpoint, RequestHandler& handler,
         ServerLimits limits);

  unsigned short port() const { return port_; }
  std::size_t openConnections() const { return open_.size(); }
  // Stops accepting and drops clients still sending; answers under way are finished.
  void stop();

 private:
  void accept();
  // Takes every client the listen queue holds, up to the cap.
  void takeWaiting();
  void retryLater();
  void closed(Connection* connection);

  asio::io_context& io_;
  asio::ip::tcp protocol_;
  asio::ip::tcp::acceptor acceptor_;
  asio::steady_timer retry_;
  RequestHandler& handler_;
  ServerLimits limits_;
  unsigned short port_ = 0;
  bool accepting_ = false;
  bool taking_ = false;
  bool stopped_ = false;
  std::unordered_map<Connection*, std::shared_ptr<Connection>> open_;
};

}  // namespace scores
