// Connection: moves bytes and owns the deadline; the parser and handler do the thinking.
#include "Connection.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace scores {

namespace {

bool wouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK || error == EINTR; }

}  // namespace

Connection::Connection(const asio::any_io_executor& executor, asio::ip::tcp protocol, int descriptor,
                       RequestHandler& handler, const ConnectionLimits& limits, Closed closed)
    : protocol_(protocol),
      bare_(descriptor),
      socket_(executor),
      deadline_(executor),
      handler_(handler),
      limits_(limits),
      closed_(std::move(closed)),
      parser_(limits.parser) {}

Connection::~Connection() {
  if (bare_ >= 0) ::close(bare_);
}

void Connection::start() {
  ssize_t bytes = ::recv(bare_, buffer_.data(), buffer_.size(), 0);
  if (bytes > 0) {
    parser_.feed(std::string_view(buffer_.data(), static_cast<std::size_t>(bytes)));
    if (parser_.finished()) {
      reading_ = false;
      return dispatch();
    }
  } else if (bytes == 0 || !wouldBlock(errno)) {
    // Gone before sending anything; nobody is left to answer.
    reading_ = false;
    return close();
  }
  if (!adopt()) return;
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

bool Connection::adopt() {
  asio::error_code error;
  socket_.assign(protocol_, bare_, error);
  if (error) {
    // The loop cannot watch it (out of memory and the like): drop the client rather than
    // leave it waiting without a deadline.
    close();
    return false;
  }
  bare_ = -1;
  return true;
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
  answerSent_ = 0;
  if (bare_ >= 0) {
    ssize_t sent = ::send(bare_, answer_.data(), answer_.size(), MSG_NOSIGNAL);
    if (sent == static_cast<ssize_t>(answer_.size())) return close();
    if (sent < 0 && !wouldBlock(errno)) return close();  // the client is gone
    // The client is not taking the answer as fast as it comes: the rest goes through the loop.
    answerSent_ = sent > 0 ? static_cast<std::size_t>(sent) : 0;
    if (!adopt()) return;
  }
  deadline_.expires_after(limits_.writeTimeout);
  deadline_.async_wait([self = shared_from_this()](const asio::error_code& error) {
    if (!error) self->close();
  });
  asio::async_write(socket_, asio::buffer(answer_) + answerSent_,
                    [self = shared_from_this()](const asio::error_code&, std::size_t) { self->close(); });
}

void Connection::close() {
  if (closedAlready_) return;
  closedAlready_ = true;
  asio::error_code ignored;
  deadline_.cancel();
  // The answer is one write followed by the close, so Nagle's delay and a separate
  // shutdown would only cost system calls.
  if (bare_ >= 0) {
    ::close(bare_);
    bare_ = -1;
  } else {
    socket_.close(ignored);
  }
  if (closed_) closed_(this);
}

}  // namespace scores
