// Owns the store on a thread of its own: submissions that arrive together share one commit.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ScoreStore.h"

namespace scores {

class ScoreKeeper {
 public:
  // Called on the keeper's thread once the entry's transaction has committed (true) or failed.
  using Stored = std::function<void(bool stored)>;
  using Job = std::function<void(ScoreStore&)>;

  static constexpr std::size_t bestCount = 15;

  explicit ScoreKeeper(std::unique_ptr<ScoreStore> store);
  // Finishes every queued submission and job before the thread ends.
  ~ScoreKeeper();
  ScoreKeeper(const ScoreKeeper&) = delete;
  ScoreKeeper& operator=(const ScoreKeeper&) = delete;

  void submit(ScoreEntry entry, Stored stored);
  // Runs a read on the keeper's thread, between commits; the job catches its own errors.
  void read(Job job);
  // The best scores as of the last commit; never blocks on the store.
  std::shared_ptr<const std::vector<ScoreEntry>> best() const;
  // The same as the game's list, made once per commit instead of once per answer.
  std::shared_ptr<const std::string> bestGameList() const;

  struct Tally {
    std::uint64_t scores = 0;
    std::uint64_t commits = 0;
  };
  // Scores stored and the transactions they took, since the start.
  Tally tally() const;

 private:
  struct Pending {
    ScoreEntry entry;
    Stored stored;
  };

  void run();
  void refreshBest();
  void setBest(std::vector<ScoreEntry> best);

  std::unique_ptr<ScoreStore> store_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::vector<Pending> submissions_;
  std::vector<Job> jobs_;
  bool stopping_ = false;
  std::shared_ptr<const std::vector<ScoreEntry>> best_;
  std::shared_ptr<const std::string> bestGameList_;
  Tally tally_;
  std::thread thread_;
};

}  // namespace scores
