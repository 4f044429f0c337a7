// Connection: moves bytes and owns the deadline; the parser and handler do the thinking.
#include "Connection.h"

namespace scores {

Connection::Connection(asio::ip::tcp::socket socket, RequestHandler& handler,
                       const ConnectionLimits& limits, Closed closed)
    : socket_(std::move(socket)),
      deadline_(socket_.get_executor()),
      handler_(handler),
      limits_(limits),
      closed_(std::move(closed)),
      parser_(limits.parser) {}

void Connection::start() {
  deadline_.expires_after(limits_.requestTimeout);
  deadline_.async_wait([self = shared_from_this()](const asio::error_code& error) {
    if (error || !self->reading_) return;
    self->reading_ = false;
    asio::error_code ignoredCancel;
    self->socket_.cancel(ignoredCancel);
    self->send(RequestHandler::timedOut(self->parser_.request()));
  });
  readMore();
}

void Connection::stopReading() {
  if (!reading_) return;
  reading_ = false;
  close();
}

void Connection::readMore() {
  socket_.async_read_some(asio::buffer(buffer_),
                          [self = shared_from_this()](const asio::error_code& error, std::size_t bytes) {
                            self->onRead(error, bytes);
                          });
}

void Connection::onRead(const asio::error_code& error, std::size_t bytes) {
  if (!reading_) return;  // the deadline or a shutdown got here first
  if (error) {
    // The client went away before finishing its request; nobody is left to answer.
    reading_ = false;
    close();
    return;
  }
  parser_.feed(std::string_view(buffer_.data(), bytes));
  if (!parser_.finished()) return readMore();
  reading_ = false;
  deadline_.cancel();
  dispatch();
}

void Connection::dispatch() {
  if (parser_.status() != ParseStatus::complete) {
    return send(RequestHandler::refusal(parser_.status(), parser_.request()));
  }
  // The answer may come from the keeper's thread; the guard keeps the loop alive until it does.
  auto executor = socket_.get_executor();
  auto work = asio::make_work_guard(executor);
  handler_.handle(parser_.request(), [self = shared_from_this(), executor, work](std::string bytes) {
    asio::post(executor, [self, bytes = std::move(bytes)]() mutable { self->send(std::move(bytes)); });
  });
}

void Connection::send(std::string bytes) {
  if (closedAlready_) return;
  if (bytes.empty()) return close();
  answer_ = std::move(bytes);
  deadline_.expires_after(limits_.writeTimeout);
  deadline_.async_wait([self = shared_from_this()](const asio::error_code& error) {
    if (!error) self->close();
  });
  asio::async_write(socket_, asio::buffer(answer_),
                    [self = shared_from_this()](const asio::error_code&, std::size_t) { self->close(); });
}

void Connection::close() {
  if (closedAlready_) return;
  closedAlready_ = true;
  asio::error_code ignored;
  deadline_.cancel();
  // The answer is one write followed by the close, so Nagle's delay and a separate
  // shutdown would only cost system calls.
  socket_.close(ignored);
  if (closed_) closed_(this);
}

}  // namespace scores
