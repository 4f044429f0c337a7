// One client connection: reads a request head under a deadline, hands it on, writes the answer.
#pragma once

#include <asio.hpp>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "RequestHandler.h"
#include "RequestParser.h"

namespace scores {

struct ConnectionLimits {
  ParserLimits parser;
  // The whole request head must arrive within this, so a client that sends slowly is cut off.
  std::chrono::milliseconds requestTimeout{5000};
  std::chrono::milliseconds writeTimeout{5000};
};

class Connection : public std::enable_shared_from_this<Connection> {
 public:
  using Closed = std::function<void(Connection*)>;

  Connection(asio::ip::tcp::socket socket, RequestHandler& handler, const ConnectionLimits& limits,
             Closed closed);

  void start();
  // Used on shutdown: a connection still waiting for its request is dropped, one that is
  // being answered finishes.
  void stopReading();

 private:
  void readMore();
  void onRead(const asio::error_code& error, std::size_t bytes);
  void dispatch();
  void send(std::string bytes);
  void close();

  asio::ip::tcp::socket socket_;
  asio::steady_timer deadline_;
  RequestHandler& handler_;
  ConnectionLimits limits_;
  Closed closed_;
  RequestParser parser_;
  std::array<char, 2048> buffer_{};
  std::string answer_;
  bool reading_ = true;
  bool closedAlready_ = false;
};

}  // namespace scores
