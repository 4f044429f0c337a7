// The SQLite store's commit with its best list: what one transaction stores and answers.
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>

#include "SqliteScoreStore.h"

namespace scores {
namespace {

std::vector<std::string> names(const std::vector<ScoreEntry>& rows) {
  std::vector<std::string> out;
  for (const ScoreEntry& row : rows) out.push_back(row.name + " " + std::to_string(row.score));
  return out;
}

TEST(SqliteStore, BestAfterACommitRanksTheNewRowsAmongTheOld) {
  SqliteScoreStore store(":memory:");
  store.addAll({{"anna", 500}, {"bo", 300}});
  auto best = store.addAllThenBest({{"cy", 400}, {"di", 500}, {"ed", 100}}, 4);
  ASSERT_TRUE(best);
  // Equal scores keep the order they came in: anna before di.
  EXPECT_EQ(names(*best), (std::vector<std::string>{"anna 500", "di 500", "cy 400", "bo 300"}));
  EXPECT_EQ(store.count(), 5);
  // Nothing to add still gives the list.
  auto unchanged = store.addAllThenBest({}, 2);
  ASSERT_TRUE(unchanged);
  EXPECT_EQ(names(*unchanged), (std::vector<std::string>{"anna 500", "di 500"}));
}

TEST(SqliteStore, BatchWithAFailingRowStoresNoneOfIt) {
  const std::string file = ::testing::TempDir() + "sqlite-store-test-" + std::to_string(::getpid()) + ".db";
  std::remove(file.c_str());
  {
    SqliteScoreStore store(file);
    store.addAll({{"anna", 500}});
    // Another writer of the file refuses one name, as a full disk or a constraint would.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other,
                           "CREATE TRIGGER refuse BEFORE INSERT ON scores WHEN NEW.name = 'bad'"
                           " BEGIN SELECT RAISE(ABORT, 'refused'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(other);

    EXPECT_THROW(store.addAllThenBest({{"good", 900}, {"bad", 800}}, 15), StoreError);
    EXPECT_EQ(names(store.ranked(0, 15)), (std::vector<std::string>{"anna 500"}));
    // The store is usable again after the rollback.
    auto best = store.addAllThenBest({{"good", 900}}, 15);
    ASSERT_TRUE(best);
    EXPECT_EQ(names(*best), (std::vector<std::string>{"good 900", "anna 500"}));
  }
  for (const char* suffix : {"", "-wal", "-shm"}) std::remove((file + suffix).c_str());
}

}  // namespace
}  // namespace scores
