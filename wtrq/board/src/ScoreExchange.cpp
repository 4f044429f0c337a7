// The exchange itself over SDL_net, on a worker thread that the game only polls.
#include "wtrq/board/ScoreExchange.h"

#include <SDL_net.h>
#include <SDL_thread.h>

#include <atomic>
#include <list>
#include <mutex>
#include <stdexcept>
#include <utility>

#include "wtrq/board/ScoreRequest.h"

namespace wtrq {

using Clock = std::chrono::steady_clock;

struct ScoreExchange::Shared {
  std::mutex mutex;
  bool done = false;
  ExchangeOutcome outcome;
  std::atomic<bool> abandoned{false};
  ScoreServerAddress server;
  std::string line;
  Clock::time_point deadline;
};

namespace {

// The worker is an SDL thread so that SDL frees what it keeps per thread (its error text)
// when the thread ends. SDL threads cannot be detached, so abandoned workers wait here
// until they have finished and can be reaped without blocking.
struct Abandoned {
  SDL_Thread* thread;
  std::shared_ptr<ScoreExchange::Shared> shared;
};

std::mutex& abandonedMutex() {
  static std::mutex mutex;
  return mutex;
}

std::list<Abandoned>& abandonedWorkers() {
  static std::list<Abandoned> workers;
  return workers;
}

bool isDone(ScoreExchange::Shared& shared) {
  std::lock_guard lock(shared.mutex);
  return shared.done;
}

void reapFinishedWorkers() {
  std::lock_guard lock(abandonedMutex());
  auto& workers = abandonedWorkers();
  for (auto it = workers.begin(); it != workers.end();) {
    if (isDone(*it->shared)) {
      SDL_WaitThread(it->thread, nullptr);
      it = workers.erase(it);
    } else {
      ++it;
    }
  }
}

// SDL_net's start and stop keep a plain counter; an abandoned exchange may still be
// running while a new one starts.
std::mutex& netUseMutex() {
  static std::mutex mutex;
  return mutex;
}

// Waits are cut into slices so an abandoned worker notices soon.
constexpr std::chrono::milliseconds waitSlice{50};

struct Reading {
  std::string reply;
  bool complete = false;  // "!" arrived, the connection closed, or the size cap was reached
};

Reading readReply(TCPsocket socket, Clock::time_point deadline, const std::atomic<bool>& abandoned) {
  Reading reading;
  SDLNet_SocketSet set = SDLNet_AllocSocketSet(1);
  if (!set) return reading;
  SDLNet_TCP_AddSocket(set, socket);
  char buffer[4096];
  while (!abandoned) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) break;
    int ready = SDLNet_CheckSockets(set, static_cast<Uint32>(std::min(left, waitSlice).count()));
    if (ready < 0) {
      reading.complete = true;  // an error ends the reply like a close does
      break;
    }
    if (ready == 0 || !SDLNet_SocketReady(socket)) continue;
    std::size_t room = ScoreExchange::maxReplyBytes - reading.reply.size();
    int got = SDLNet_TCP_Recv(socket, buffer, static_cast<int>(std::min(room, sizeof buffer)));
    if (got <= 0) {
      reading.complete = true;
      break;
    }
    std::string_view piece(buffer, static_cast<std::size_t>(got));
    std::size_t bang = piece.find('!');
    reading.reply.append(piece.substr(0, bang));
    if (bang != std::string_view::npos || reading.reply.size() >= ScoreExchange::maxReplyBytes) {
      reading.complete = true;
      break;
    }
  }
  SDLNet_FreeSocketSet(set);
  return reading;
}

ExchangeOutcome exchange(const ScoreServerAddress& server, const std::string& line, Clock::time_point deadline,
                         const std::atomic<bool>& abandoned) {
  ExchangeOutcome outcome;
  outcome.failed = true;
  {
    std::lock_guard lock(netUseMutex());
    if (SDLNet_Init() < 0) return outcome;
  }
  IPaddress address;
  TCPsocket socket = nullptr;
  if (SDLNet_ResolveHost(&address, server.host.c_str(), server.port) == 0 && !abandoned) {
    socket = SDLNet_TCP_Open(&address);
  }
  if (socket) {
    int sent = SDLNet_TCP_Send(socket, line.data(), static_cast<int>(line.size()));
    Reading reading = readReply(socket, deadline, abandoned);
    SDLNet_TCP_Close(socket);
    // Rows that follow a short send are not trusted.
    if (sent == static_cast<int>(line.size()) && reading.complete) {
      outcome.failed = false;
      outcome.rows = parseScoreReply(reading.reply);
    }
  }
  std::lock_guard lock(netUseMutex());
  SDLNet_Quit();
  return outcome;
}

}  // namespace

static int runExchange(void* data) {
  // The worker owns a share of the state, so it may outlive the exchange object.
  std::unique_ptr<std::shared_ptr<ScoreExchange::Shared>> handed(static_cast<std::shared_ptr<ScoreExchange::Shared>*>(data));
  std::shared_ptr<ScoreExchange::Shared> shared = std::move(*handed);
  ExchangeOutcome outcome = exchange(shared->server, shared->line, shared->deadline, shared->abandoned);
  std::lock_guard lock(shared->mutex);
  shared->outcome = std::move(outcome);
  shared->done = true;
  return 0;
}

ScoreExchange::ScoreExchange(ScoreServerAddress server, const std::string& playerName, std::int32_t score,
                             std::chrono::milliseconds limit)
    : shared_(std::make_shared<Shared>()), deadline_(Clock::now() + limit) {
  reapFinishedWorkers();
  shared_->server = std::move(server);
  shared_->line = buildRequestLine(playerName, score);
  shared_->deadline = deadline_;
  auto* handed = new std::shared_ptr<Shared>(shared_);
  worker_ = SDL_CreateThread(runExchange, handed);
  if (!worker_) {
    delete handed;
    // No thread, no exchange: the board shows the failure at once.
    shared_->outcome = ExchangeOutcome{true, {}};
    shared_->done = true;
  }
}

ScoreExchange::~ScoreExchange() {
  if (!worker_) return;
  if (isDone(*shared_)) {
    SDL_WaitThread(worker_, nullptr);
  } else {
    // Connecting to a host that never answers can take the system minutes to give up on;
    // the worker is reaped once it has ended by itself.
    shared_->abandoned = true;
    std::lock_guard lock(abandonedMutex());
    abandonedWorkers().push_back(Abandoned{worker_, shared_});
  }
  reapFinishedWorkers();
}

bool ScoreExchange::poll() {
  if (finished_) return true;
  {
    std::lock_guard lock(shared_->mutex);
    if (shared_->done) {
      outcome_ = shared_->outcome;
      finished_ = true;
      return true;
    }
  }
  if (Clock::now() >= deadline_) {
    shared_->abandoned = true;
    outcome_ = ExchangeOutcome{true, {}};
    finished_ = true;
  }
  return finished_;
}

}  // namespace wtrq
