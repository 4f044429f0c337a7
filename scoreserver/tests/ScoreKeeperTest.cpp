// The keeper: submissions queued during a commit share the next one, and none is answered early.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "ScoreKeeper.h"

namespace scores {
namespace {

// A store whose commits the test holds open, and that logs what happens in what order.
class GatedStore : public ScoreStore {
 public:
  void addAll(const std::vector<ScoreEntry>& entries) override {
    std::unique_lock lock(mutex);
    std::string names;
    for (const ScoreEntry& entry : entries) names += (names.empty() ? "" : " ") + entry.name;
    log.push_back("commit " + names);
    ++commitsStarted;
    changed.notify_all();
    changed.wait(lock, [&] { return commitsReleased >= commitsStarted; });
    if (failNext) {
      failNext = false;
      log.back() += " failed";
      throw StoreError("disk full");
    }
    for (const ScoreEntry& entry : entries) rows.push_back(entry);
  }
  std::vector<ScoreEntry> ranked(std::int64_t offset, std::int64_t limit) override {
    std::lock_guard lock(mutex);
    if (failReads) throw StoreError("read failed");
    std::vector<ScoreEntry> out;
    for (std::int64_t i = offset; i < static_cast<std::int64_t>(rows.size()) && i < offset + limit; ++i) {
      out.push_back(rows[static_cast<std::size_t>(i)]);
    }
    return out;
  }
  std::int64_t count() override { return static_cast<std::int64_t>(rows.size()); }

  void waitForCommit(int number) {
    std::unique_lock lock(mutex);
    ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(10), [&] { return commitsStarted >= number; }));
  }
  void release() {
    std::lock_guard lock(mutex);
    ++commitsReleased;
    changed.notify_all();
  }
  void note(const std::string& what) {
    std::lock_guard lock(mutex);
    log.push_back(what);
    changed.notify_all();
  }
  void waitForLogSize(std::size_t size) {
    std::unique_lock lock(mutex);
    ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(10), [&] { return log.size() >= size; }));
  }

  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::string> log;
  std::vector<ScoreEntry> rows;
  int commitsStarted = 0;
  int commitsReleased = 0;
  bool failNext = false;
  bool failReads = false;
};

TEST(ScoreKeeper, SubmissionsDuringACommitShareTheNextAndAreAnsweredAfterIt) {
  auto owned = std::make_unique<GatedStore>();
  GatedStore& store = *owned;
  ScoreKeeper keeper(std::move(owned));
  auto answer = [&store](std::string name) {
    return [&store, name](bool stored) { store.note((stored ? "answer " : "refuse ") + name); };
  };

  keeper.submit({"a", 1}, answer("a"));
  store.waitForCommit(1);
  keeper.submit({"b", 2}, answer("b"));
  keeper.submit({"c", 3}, answer("c"));
  keeper.submit({"d", 4}, answer("d"));
  store.release();
  store.waitForCommit(2);
  store.release();
  store.waitForLogSize(6);

  EXPECT_EQ(store.log, (std::vector<std::string>{"commit a", "answer a", "commit b c d", "answer b", "answer c",
                                                 "answer d"}));
  // The list answered with is the one after the commit.
  EXPECT_EQ(keeper.best()->size(), 4u);
  EXPECT_EQ(keeper.tally().scores, 4u);
  EXPECT_EQ(keeper.tally().commits, 2u);
}

TEST(ScoreKeeper, FailedCommitIsNotReportedAsStored) {
  auto owned = std::make_unique<GatedStore>();
  GatedStore& store = *owned;
  store.failNext = true;
  ScoreKeeper keeper(std::move(owned));
  keeper.submit({"a", 1}, [&store](bool stored) { store.note(stored ? "answer a" : "refuse a"); });
  store.release();
  store.waitForLogSize(2);
  EXPECT_EQ(store.log, (std::vector<std::string>{"commit a failed", "refuse a"}));
  EXPECT_TRUE(keeper.best()->empty());
  EXPECT_EQ(keeper.tally().commits, 0u);

  // The keeper goes on: the next submission is stored.
  keeper.submit({"b", 2}, [&store](bool stored) { store.note(stored ? "answer b" : "refuse b"); });
  store.release();
  store.waitForLogSize(4);
  EXPECT_EQ(store.log.back(), "answer b");
}

TEST(ScoreKeeper, ListThatCannotBeReadAfterACommitStillAnswersStored) {
  auto owned = std::make_unique<GatedStore>();
  GatedStore& store = *owned;
  ScoreKeeper keeper(std::move(owned));
  keeper.submit({"a", 1}, [&store](bool stored) { store.note(stored ? "answer a" : "refuse a"); });
  store.release();
  store.waitForLogSize(2);
  {
    std::lock_guard lock(store.mutex);
    store.failReads = true;
  }
  keeper.submit({"b", 2}, [&store](bool stored) { store.note(stored ? "answer b" : "refuse b"); });
  store.release();
  store.waitForLogSize(4);
  // b is in the store, so it is answered as stored, with the list as it was before.
  EXPECT_EQ(store.log, (std::vector<std::string>{"commit a", "answer a", "commit b", "answer b"}));
  EXPECT_EQ(*keeper.bestGameList(), "a|1!");
  EXPECT_EQ(keeper.tally().scores, 2u);
}

}  // namespace
}  // namespace scores
