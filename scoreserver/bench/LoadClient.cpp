// Load clients on one asio loop: each client runs its requests one after another.
#include "LoadClient.h"

#include <asio.hpp>

#include <array>
#include <memory>

namespace scores {

namespace {

struct Run {
  asio::io_context io{1};
  const LoadPlan& plan;
  asio::ip::tcp::endpoint endpoint;
  std::size_t next = 0;
  LoadResult result;
  std::chrono::steady_clock::time_point stopAt;
  bool stopped = false;

  explicit Run(const LoadPlan& p) : plan(p) {}
};

class Client : public std::enable_shared_from_this<Client> {
 public:
  explicit Client(Run& run) : run_(run), socket_(run.io), timer_(run.io) {}

  void startNext() {
    if (run_.stopped || run_.next >= run_.plan.requests || std::chrono::steady_clock::now() >= run_.stopAt) {
      return;
    }
    index_ = run_.next++;
    request_ = run_.plan.request(index_);
    reply_.clear();
    finished_ = false;
    socket_ = asio::ip::tcp::socket(run_.io);
    timer_.expires_after(run_.plan.requestTimeout);
    timer_.async_wait([self = shared_from_this(), index = index_](const asio::error_code& error) {
      if (!error && self->index_ == index && !self->finished_) self->finish("timed out");
    });
    socket_.async_connect(run_.endpoint, [self = shared_from_this()](const asio::error_code& error) {
      if (error) return self->finish("connect: " + error.message());
      asio::async_write(self->socket_, asio::buffer(self->request_),
                        [self](const asio::error_code& writeError, std::size_t) {
                          if (writeError) return self->finish("send: " + writeError.message());
                          self->readMore();
                        });
    });
  }

 private:
  void readMore() {
    socket_.async_read_some(asio::buffer(buffer_), [self = shared_from_this()](const asio::error_code& error,
                                                                                std::size_t bytes) {
      self->reply_.append(self->buffer_.data(), bytes);
      if (!error) return self->readMore();
      if (error != asio::error::eof) return self->finish("read: " + error.message());
      // The game's reply ends at "!"; an HTTP reply ends with the connection.
      bool whole = !self->reply_.empty() &&
                   (self->reply_.back() == '!' || self->reply_.compare(0, 5, "HTTP/") == 0);
      self->finish(whole ? "" : "reply cut short: \"" + self->reply_.substr(0, 80) + "\"");
    });
  }

  void finish(const std::string& failure) {
    if (finished_) return;
    finished_ = true;
    timer_.cancel();
    asio::error_code ignored;
    socket_.close(ignored);
    if (failure.empty()) {
      run_.result.answered.push_back(index_);
      if (run_.plan.onAnswered && !run_.plan.onAnswered(run_.result.answered.size())) run_.stopped = true;
    } else {
      if (run_.result.failed++ == 0) run_.result.firstFailure = failure;
    }
    // Start the next request from a fresh handler, so the old socket's handlers drain first.
    asio::post(run_.io, [self = shared_from_this()] { self->startNext(); });
  }

  Run& run_;
  asio::ip::tcp::socket socket_;
  asio::steady_timer timer_;
  std::size_t index_ = 0;
  std::string request_;
  std::string reply_;
  std::array<char, 4096> buffer_{};
  bool finished_ = true;
};

}  // namespace

std::string gameLine(const std::string& name, int score) {
  std::string plusName;
  for (char c : name) plusName.push_back(c == ' ' ? '+' : c);
  auto check = static_cast<std::int32_t>(static_cast<std::uint32_t>(score) * 314u);
  return "GET /teamweb/wtrq/save.php?name=" + plusName + "&score=" + std::to_string(score) +
         "&checksum=" + std::to_string(check) + "&fetch=1\n";
}

LoadResult runLoad(const LoadPlan& plan) {
  Run run(plan);
  run.endpoint = asio::ip::tcp::endpoint(asio::ip::make_address(plan.host), plan.port);
  auto started = std::chrono::steady_clock::now();
  run.stopAt = started + plan.timeLimit;
  std::vector<std::shared_ptr<Client>> clients;
  for (std::size_t i = 0; i < plan.concurrency; ++i) {
    clients.push_back(std::make_shared<Client>(run));
    clients.back()->startNext();
  }
  // A hard stop for the loop too, in case a reply never ends.
  asio::steady_timer limit(run.io, plan.timeLimit + plan.requestTimeout);
  limit.async_wait([&run](const asio::error_code& error) {
    if (!error) run.io.stop();
  });
  std::size_t handled = 0;
  while (!run.io.stopped()) {
    handled = run.io.run_one();
    if (!handled) break;
    bool allBack = run.result.answered.size() + run.result.failed >= run.next;
    if (allBack && (run.next >= plan.requests || run.stopped || std::chrono::steady_clock::now() >= run.stopAt)) {
      break;
    }
  }
  limit.cancel();
  run.result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return run.result;
}

}  // namespace scores
