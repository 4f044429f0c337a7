// SQLite storage: every statement prepared once, a batch of scores in one IMMEDIATE transaction.
#include "SqliteScoreStore.h"

#include <sqlite3.h>

namespace scores {

namespace {

// Resets a statement on every exit path, so a failed step never leaves it busy.
struct StatementUse {
  sqlite3_stmt* statement;
  ~StatementUse() {
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
  }
};

}  // namespace

SqliteScoreStore::SqliteScoreStore(const std::string& path, bool syncEveryCommit) : path_(path) {
  if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    db_ = nullptr;
    throw StoreError("cannot open score database " + path + ": " + message);
  }
  try {
    sqlite3_busy_timeout(db_, 5000);
    exec("PRAGMA journal_mode=WAL");
    exec(syncEveryCommit ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL");
    exec("CREATE TABLE IF NOT EXISTS scores ("
         " id INTEGER PRIMARY KEY,"
         " name TEXT NOT NULL,"
         " score INTEGER NOT NULL,"
         " submitted INTEGER NOT NULL DEFAULT (strftime('%s','now')))");
    exec("CREATE INDEX IF NOT EXISTS scores_by_rank ON scores (score DESC, id)");
    begin_ = prepare("BEGIN IMMEDIATE");
    commit_ = prepare("COMMIT");
    rollback_ = prepare("ROLLBACK");
    insert_ = prepare("INSERT INTO scores (name, score) VALUES (?1, ?2)");
    rankedQuery_ = prepare("SELECT name, score FROM scores ORDER BY score DESC, id LIMIT ?1 OFFSET ?2");
    countQuery_ = prepare("SELECT count(*) FROM scores");
  } catch (...) {
    close();
    throw;
  }
}

SqliteScoreStore::~SqliteScoreStore() { close(); }

void SqliteScoreStore::close() {
  for (sqlite3_stmt** statement :
       {&begin_, &commit_, &rollback_, &insert_, &rankedQuery_, &countQuery_}) {
    sqlite3_finalize(*statement);
    *statement = nullptr;
  }
  sqlite3_close(db_);
  db_ = nullptr;
}

void SqliteScoreStore::fail(const std::string& what) {
  throw StoreError("score database " + path_ + ": " + what + ": " + sqlite3_errmsg(db_));
}

void SqliteScoreStore::exec(const char* sql) {
  if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail(sql);
}

sqlite3_stmt* SqliteScoreStore::prepare(const char* sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
    fail(sql);
  }
  return statement;
}

template <typename Inside>
void SqliteScoreStore::inTransaction(const std::vector<ScoreEntry>& entries, Inside inside) {
  {
    StatementUse use{begin_};
    if (sqlite3_step(begin_) != SQLITE_DONE) fail("begin");
  }
  try {
    for (const ScoreEntry& entry : entries) {
      StatementUse use{insert_};
      sqlite3_bind_text(insert_, 1, entry.name.data(), static_cast<int>(entry.name.size()),
                        SQLITE_STATIC);
      sqlite3_bind_int64(insert_, 2, entry.score);
      if (sqlite3_step(insert_) != SQLITE_DONE) fail("insert");
    }
    inside();
    StatementUse use{commit_};
    if (sqlite3_step(commit_) != SQLITE_DONE) fail("commit");
  } catch (...) {
    if (!sqlite3_get_autocommit(db_)) {
      StatementUse use{rollback_};
      sqlite3_step(rollback_);
    }
    throw;
  }
}

void SqliteScoreStore::addAll(const std::vector<ScoreEntry>& entries) {
  if (entries.empty()) return;
  inTransaction(entries, [] {});
}

std::optional<std::vector<ScoreEntry>> SqliteScoreStore::addAllThenBest(
    const std::vector<ScoreEntry>& entries, std::int64_t limit) {
  if (entries.empty()) return readRanked(0, limit);
  std::vector<ScoreEntry> best;
  inTransaction(entries, [&] { best = readRanked(0, limit); });
  return best;
}

std::vector<ScoreEntry> SqliteScoreStore::ranked(std::int64_t offset, std::int64_t limit) {
  return readRanked(offset, limit);
}

std::vector<ScoreEntry> SqliteScoreStore::readRanked(std::int64_t offset, std::int64_t limit) {
  StatementUse use{rankedQuery_};
  sqlite3_bind_int64(rankedQuery_, 1, limit);
  sqlite3_bind_int64(rankedQuery_, 2, offset);
  std::vector<ScoreEntry> rows;
  int step;
  while ((step = sqlite3_step(rankedQuery_)) == SQLITE_ROW) {
    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(rankedQuery_, 0));
    rows.push_back(ScoreEntry{name ? name : "", sqlite3_column_int64(rankedQuery_, 1)});
  }
  if (step != SQLITE_DONE) fail("ranked read");
  return rows;
}

std::int64_t SqliteScoreStore::count() {
  StatementUse use{countQuery_};
  if (sqlite3_step(countQuery_) != SQLITE_ROW) fail("count");
  return sqlite3_column_int64(countQuery_, 0);
}

}  // namespace scores
