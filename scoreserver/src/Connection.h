// One client connection: reads a request head under a deadline, hands it on, writes the answer.
//
// Most clients have sent their whole line by the time they are accepted, and the answer fits
// the socket's send buffer. Such a client is served on its bare descriptor with one read, one
// write and the close; only a client that keeps the server waiting (a line still on its way,
// an answer the client does not take) is handed to the loop, with its deadline.
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

  // Takes over an accepted, non-blocking descriptor of the given protocol.
  Connection(const asio::any_io_executor& executor, asio::ip::tcp protocol, int descriptor,
             RequestHandler& handler, const ConnectionLimits& limits, Closed closed);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  void start();
  // Used on shutdown: a connection still waiting for its request is dropped, one that is
  // being answered finishes.
  void stopReading();

 private:
  // Registers the descriptor with the loop, for a client that has to be waited for.
  bool adopt();
  void readMore();
  void onRead(const asio::error_code& error, std::size_t bytes);
  void dispatch();
  void send(std::string bytes);
  void close();

  asio::ip::tcp protocol_;
  // The descriptor while the loop does not know it yet; -1 once the socket below owns it.
  int bare_;
  asio::ip::tcp::socket socket_;
  asio::steady_timer deadline_;
  RequestHandler& handler_;
  ConnectionLimits limits_;
  Closed closed_;
  RequestParser parser_;
  std::array<char, 2048> buffer_{};
  std::string answer_;
  std::size_t answerSent_ = 0;
  bool reading_ = true;
  bool closedAlready_ = false;
};

}  // namespace scores
