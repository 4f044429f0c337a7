// One exchange with the score server, run beside the game loop so the board keeps handling events.
//
//   ScoreExchange exchange(settings.server, playerName, score);
//   while (!exchange.poll()) { handle events (a close request still quits), draw, flip }
//   exchange.outcome().failed ? "Failure occured!" : exchange.outcome().rows
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "wtrq/board/ScoreReply.h"
#include "wtrq/board/ScoreSettings.h"

struct SDL_Thread;

namespace wtrq {

struct ExchangeOutcome {
  bool failed = false;  // no connection, a short send, or nothing complete within the limit
  std::vector<ScoreRow> rows;
};

class ScoreExchange {
 public:
  // Whatever the server (or a host that never answers) does, the outcome is there by then.
  static constexpr std::chrono::milliseconds defaultLimit{10000};
  // A reply is read up to "!" or this many bytes, whichever comes first.
  static constexpr std::size_t maxReplyBytes = 64 * 1024;

  // Starts at once on a thread of its own; needs no SDL_Init.
  ScoreExchange(ScoreServerAddress server, const std::string& playerName, std::int32_t score,
                std::chrono::milliseconds limit = defaultLimit);
  // Never waits: an exchange still stuck in name lookup or connecting is left to end by itself.
  ~ScoreExchange();
  ScoreExchange(const ScoreExchange&) = delete;
  ScoreExchange& operator=(const ScoreExchange&) = delete;

  // True once the outcome is known; call it every frame.
  bool poll();
  // Valid once poll() has returned true.
  const ExchangeOutcome& outcome() const { return outcome_; }

  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
  ::SDL_Thread* worker_ = nullptr;
  std::chrono::steady_clock::time_point deadline_;
  ExchangeOutcome outcome_;
  bool finished_ = false;
};

}  // namespace wtrq
