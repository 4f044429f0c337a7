// Scores in an SQLite file (write-ahead log), for a server on one machine.
#pragma once

#include <string>

#include "ScoreStore.h"

struct sqlite3;
struct sqlite3_stmt;

namespace scores {

class SqliteScoreStore : public ScoreStore {
 public:
  // Creates the file and its table when missing; throws StoreError naming the file.
  // syncEveryCommit keeps answered scores through a power cut; without it they survive a crash
  // of the server (the log is written before the answer) but a power cut may take the last ones.
  explicit SqliteScoreStore(const std::string& path, bool syncEveryCommit = true);
  ~SqliteScoreStore() override;
  SqliteScoreStore(const SqliteScoreStore&) = delete;
  SqliteScoreStore& operator=(const SqliteScoreStore&) = delete;

  void addAll(const std::vector<ScoreEntry>& entries) override;
  // Reads the best inside the write transaction: a separate read would take and release the
  // log's locks once more on every commit.
  std::optional<std::vector<ScoreEntry>> addAllThenBest(const std::vector<ScoreEntry>& entries,
                                                        std::int64_t limit) override;
  std::vector<ScoreEntry> ranked(std::int64_t offset, std::int64_t limit) override;
  std::int64_t count() override;

 private:
  // Runs the inserts and then `inside` in one IMMEDIATE transaction; rolls back on any failure.
  template <typename Inside>
  void inTransaction(const std::vector<ScoreEntry>& entries, Inside inside);
  std::vector<ScoreEntry> readRanked(std::int64_t offset, std::int64_t limit);
  void close();
  void exec(const char* sql);
  sqlite3_stmt* prepare(const char* sql);
  [[noreturn]] void fail(const std::string& what);

  std::string path_;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* begin_ = nullptr;
  sqlite3_stmt* commit_ = nullptr;
  sqlite3_stmt* rollback_ = nullptr;
  sqlite3_stmt* insert_ = nullptr;
  sqlite3_stmt* rankedQuery_ = nullptr;
  sqlite3_stmt* countQuery_ = nullptr;
};

}  // namespace scores
