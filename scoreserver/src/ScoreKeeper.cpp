// The keeper's loop: take everything queued, commit the scores in one transaction, then answer.
#include "ScoreKeeper.h"

#include <cstdio>

#include "ReplyFormat.h"

namespace scores {

ScoreKeeper::ScoreKeeper(std::unique_ptr<ScoreStore> store) : store_(std::move(store)) {
  refreshBest();
  thread_ = std::thread([this] { run(); });
}

ScoreKeeper::~ScoreKeeper() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void ScoreKeeper::submit(ScoreEntry entry, Stored stored) {
  {
    std::lock_guard lock(mutex_);
    submissions_.push_back(Pending{std::move(entry), std::move(stored)});
  }
  wake_.notify_one();
}

void ScoreKeeper::read(Job job) {
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  wake_.notify_one();
}

std::shared_ptr<const std::vector<ScoreEntry>> ScoreKeeper::best() const {
  std::lock_guard lock(mutex_);
  return best_;
}

std::shared_ptr<const std::string> ScoreKeeper::bestGameList() const {
  std::lock_guard lock(mutex_);
  return bestGameList_;
}

ScoreKeeper::Tally ScoreKeeper::tally() const {
  std::lock_guard lock(mutex_);
  return tally_;
}

void ScoreKeeper::refreshBest() { setBest(store_->ranked(0, bestCount)); }

void ScoreKeeper::setBest(std::vector<ScoreEntry> best) {
  auto rows = std::make_shared<const std::vector<ScoreEntry>>(std::move(best));
  auto gameList = std::make_shared<const std::string>(bareList(*rows));
  std::lock_guard lock(mutex_);
  best_ = std::move(rows);
  bestGameList_ = std::move(gameList);
}

void ScoreKeeper::run() {
  std::vector<Pending> batch;
  std::vector<Job> jobs;
  std::vector<ScoreEntry> entries;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !submissions_.empty() || !jobs_.empty(); });
      if (submissions_.empty() && jobs_.empty()) return;  // stopping with nothing left
      batch.swap(submissions_);
      jobs.swap(jobs_);
    }
    if (!batch.empty()) {
      entries.clear();
      for (const Pending& pending : batch) entries.push_back(pending.entry);
      bool stored = true;
      std::optional<std::vector<ScoreEntry>> best;
      try {
        best = store_->addAllThenBest(entries, bestCount);
      } catch (const std::exception& error) {
        stored = false;
        std::fprintf(stderr, "wtrq-scores: %zu scores not stored: %s\n", entries.size(), error.what());
      }
      if (stored) {
        if (best) {
          setBest(std::move(*best));
        } else {
          // The scores are safe; only the list answered with them is older than it could be.
          std::fprintf(stderr, "wtrq-scores: best scores not re-read after a commit\n");
        }
        std::lock_guard lock(mutex_);
        tally_.scores += entries.size();
        ++tally_.commits;
      }
      for (Pending& pending : batch) pending.stored(stored);
      batch.clear();
    }
    for (Job& job : jobs) job(*store_);
    jobs.clear();
  }
}

}  // namespace scores
