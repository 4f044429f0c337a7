// Scores in PostgreSQL through libpq, for a site whose scores outgrow one machine.
#pragma once

#include <chrono>
#include <string>

#include "ScoreStore.h"

struct pg_conn;

namespace scores {

class PostgresScoreStore : public ScoreStore {
 public:
  // A statement that waits longer than this (a table lock, a stalled disk) fails, so that the
  // submissions waiting on it are answered, unless the connection string sets a limit itself.
  static constexpr std::chrono::milliseconds defaultStatementTimeout{10000};

  // Connects and creates the table when missing; throws StoreError with the server's message.
  explicit PostgresScoreStore(const std::string& conninfo,
                              std::chrono::milliseconds statementTimeout = defaultStatementTimeout);
  ~PostgresScoreStore() override;
  PostgresScoreStore(const PostgresScoreStore&) = delete;
  PostgresScoreStore& operator=(const PostgresScoreStore&) = delete;

  void addAll(const std::vector<ScoreEntry>& entries) override;
  std::vector<ScoreEntry> ranked(std::int64_t offset, std::int64_t limit) override;
  std::int64_t count() override;

 private:
  void setUp();
  // A connection the server dropped (a restart, an administrator) is opened again before
  // the next statement; the statement that found it dropped has already failed.
  void reconnectIfLost();
  void command(const char* sql);
  void prepare(const char* name, const char* sql, int parameters);
  void limitStatementTime();

  pg_conn* connection_ = nullptr;
  std::chrono::milliseconds statementTimeout_;
};

}  // namespace scores
