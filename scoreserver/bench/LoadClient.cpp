// Load clients on one epoll loop: each client runs its requests one after another.
//
// The load shares the processors with the server it measures, so every system call here is
// one the server does not get: a client connects, sends at once, registers only for reading,
// reads the whole reply in as few reads as the kernel allows and closes. Deadlines are checked
// by a sweep a few times a second instead of a timer per request.
#include "LoadClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace scores {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto sweepEvery = std::chrono::milliseconds(20);

enum class Phase { idle, sending, reading };

struct Client {
  int fd = -1;
  Phase phase = Phase::idle;
  std::size_t index = 0;
  std::string request;
  std::size_t sent = 0;
  std::string reply;
  Clock::time_point deadline;
};

class Run {
 public:
  explicit Run(const LoadPlan& plan) : plan_(plan), clients_(plan.concurrency) {
    address_.sin_family = AF_INET;
    address_.sin_port = htons(plan.port);
    if (::inet_pton(AF_INET, plan.host.c_str(), &address_.sin_addr) != 1) {
      throw std::invalid_argument("not an IPv4 address: " + plan.host);
    }
    epoll_ = ::epoll_create1(EPOLL_CLOEXEC);
    if (epoll_ < 0) throw std::runtime_error(std::string("epoll_create1: ") + std::strerror(errno));
  }

  ~Run() {
    for (Client& client : clients_) {
      if (client.fd >= 0) ::close(client.fd);
    }
    ::close(epoll_);
  }

  LoadResult go() {
    auto started = Clock::now();
    stopAt_ = started + plan_.timeLimit;
    // A hard stop too, in case a reply never ends and its deadline is somehow missed.
    auto hardStop = stopAt_ + plan_.requestTimeout;
    for (std::size_t slot = 0; slot < clients_.size(); ++slot) startNext(slot, started);
    std::array<epoll_event, 256> events;
    auto nextSweep = started + sweepEvery;
    for (;;) {
      // Clients that failed at once start again from here, not from inside their own failure,
      // so a server that refuses every connection cannot make the calls nest without end.
      while (!restart_.empty()) {
        std::vector<std::size_t> slots;
        slots.swap(restart_);
        for (std::size_t slot : slots) startNext(slot, Clock::now());
      }
      if (busy_ == 0) break;
      int ready = ::epoll_wait(epoll_, events.data(), static_cast<int>(events.size()),
                               static_cast<int>(sweepEvery.count()));
      if (ready < 0 && errno != EINTR) {
        throw std::runtime_error(std::string("epoll_wait: ") + std::strerror(errno));
      }
      for (int i = 0; i < ready; ++i) onEvent(static_cast<std::size_t>(events[i].data.u64), events[i].events);
      auto now = Clock::now();
      if (now >= nextSweep) {
        sweep(now);
        nextSweep = now + sweepEvery;
      }
      if (now >= hardStop) break;
    }
    result_.seconds = std::chrono::duration<double>(Clock::now() - started).count();
    return std::move(result_);
  }

 private:
  bool mayStart(Clock::time_point now) const {
    return !stopped_ && next_ < plan_.requests && now < stopAt_;
  }

  void startNext(std::size_t slot, Clock::time_point now) {
    if (!mayStart(now)) return;
    Client& client = clients_[slot];
    client.index = next_++;
    client.request = plan_.request(client.index);
    client.sent = 0;
    client.reply.clear();
    client.deadline = now + plan_.requestTimeout;
    ++busy_;
    client.phase = Phase::sending;
    client.fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (client.fd < 0) return finish(slot, std::string("socket: ") + std::strerror(errno));
    if (::connect(client.fd, reinterpret_cast<const sockaddr*>(&address_), sizeof address_) != 0 &&
        errno != EINPROGRESS) {
      return finish(slot, std::string("connect: ") + std::strerror(errno));
    }
    // On loopback the handshake is usually over by the time connect returns, so the line goes
    // out at once and the client waits only for the reply; otherwise it waits to be writable.
    if (!sendSome(slot)) return;
    epoll_event interest{};
    interest.events = client.phase == Phase::reading ? (EPOLLIN | EPOLLRDHUP) : (EPOLLOUT | EPOLLIN | EPOLLRDHUP);
    interest.events |= EPOLLET;
    interest.data.u64 = slot;
    if (::epoll_ctl(epoll_, EPOLL_CTL_ADD, client.fd, &interest) != 0) {
      return finish(slot, std::string("epoll_ctl: ") + std::strerror(errno));
    }
  }

  // False once the client has finished (with a failure).
  bool sendSome(std::size_t slot) {
    Client& client = clients_[slot];
    while (client.sent < client.request.size()) {
      ssize_t n = ::send(client.fd, client.request.data() + client.sent, client.request.size() - client.sent,
                         MSG_NOSIGNAL);
      if (n < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == ENOTCONN) return true;
        finish(slot, std::string("send: ") + std::strerror(errno));
        return false;
      }
      client.sent += static_cast<std::size_t>(n);
    }
    client.phase = Phase::reading;
    return true;
  }

  void onEvent(std::size_t slot, std::uint32_t events) {
    Client& client = clients_[slot];
    if (client.phase == Phase::idle) return;  // finished earlier in this same batch of events
    if (client.phase == Phase::sending) {
      if (events & EPOLLERR) return finish(slot, "connect: " + socketError(client.fd));
      if (!sendSome(slot) || client.phase == Phase::sending) return;
    }
    readReply(slot, (events & (EPOLLRDHUP | EPOLLHUP)) != 0);
  }

  void readReply(std::size_t slot, bool peerClosed) {
    Client& client = clients_[slot];
    char buffer[8192];
    for (;;) {
      ssize_t n = ::recv(client.fd, buffer, sizeof buffer, 0);
      if (n > 0) {
        client.reply.append(buffer, static_cast<std::size_t>(n));
        // The server's end was already closed when this event was raised, so a read that did
        // not fill the buffer took everything there is: no further read is needed to see it.
        if (peerClosed && static_cast<std::size_t>(n) < sizeof buffer) break;
        continue;
      }
      if (n == 0) break;
      if (errno == EAGAIN || errno == EWOULDBLOCK) return;  // more to come
      if (errno == EINTR) continue;
      return finish(slot, std::string("read: ") + std::strerror(errno));
    }
    // The game's reply ends at "!"; an HTTP reply ends with the connection.
    bool whole = !client.reply.empty() && (client.reply.back() == '!' || client.reply.compare(0, 5, "HTTP/") == 0);
    finish(slot, whole ? "" : "reply cut short: \"" + client.reply.substr(0, 80) + "\"");
  }

  static std::string socketError(int fd) {
    int error = 0;
    socklen_t size = sizeof error;
    ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size);
    return std::strerror(error);
  }

  void finish(std::size_t slot, const std::string& failure) {
    Client& client = clients_[slot];
    if (client.fd >= 0) ::close(client.fd);  // closing also takes it off the epoll set
    client.fd = -1;
    client.phase = Phase::idle;
    --busy_;
    if (failure.empty()) {
      result_.answered.push_back(client.index);
      if (plan_.onAnswered && !plan_.onAnswered(result_.answered.size())) stopped_ = true;
      startNext(slot, Clock::now());
    } else {
      if (result_.failed++ == 0) result_.firstFailure = failure;
      restart_.push_back(slot);
    }
  }

  void sweep(Clock::time_point now) {
    for (std::size_t slot = 0; slot < clients_.size(); ++slot) {
      if (clients_[slot].phase != Phase::idle && now >= clients_[slot].deadline) finish(slot, "timed out");
    }
  }

  const LoadPlan& plan_;
  std::vector<Client> clients_;
  sockaddr_in address_{};
  int epoll_ = -1;
  std::size_t next_ = 0;
  std::size_t busy_ = 0;
  std::vector<std::size_t> restart_;
  bool stopped_ = false;
  Clock::time_point stopAt_;
  LoadResult result_;
};

}  // namespace

std::string gameLine(const std::string& name, int score) {
  std::string plusName;
  for (char c : name) plusName.push_back(c == ' ' ? '+' : c);
  auto check = static_cast<std::int32_t>(static_cast<std::uint32_t>(score) * 314u);
  return "GET /teamweb/wtrq/save.php?name=" + plusName + "&score=" + std::to_string(score) +
         "&checksum=" + std::to_string(check) + "&fetch=1\n";
}

LoadResult runLoad(const LoadPlan& plan) { return Run(plan).go(); }

}  // namespace scores
