// PostgreSQL storage: prepared statements only; a batch goes in as two arrays in one statement.
#include "PostgresScoreStore.h"

#include <libpq-fe.h>

#include <memory>
#include <string>

namespace scores {

namespace {

struct ResultDeleter {
  void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

// Names hold only letters, digits and spaces, but quoting each element keeps the array
// literal sound for any text: backslash and double quote are escaped.
std::string textArray(const std::vector<ScoreEntry>& entries) {
  std::string out = "{";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i) out.push_back(',');
    out.push_back('"');
    for (char c : entries[i].name) {
      if (c == '"' || c == '\\') out.push_back('\\');
      out.push_back(c);
    }
    out.push_back('"');
  }
  out.push_back('}');
  return out;
}

std::string numberArray(const std::vector<ScoreEntry>& entries) {
  std::string out = "{";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i) out.push_back(',');
    out += std::to_string(entries[i].score);
  }
  out.push_back('}');
  return out;
}

}  // namespace

PostgresScoreStore::PostgresScoreStore(const std::string& conninfo, std::chrono::milliseconds statementTimeout)
    : statementTimeout_(statementTimeout) {
  connection_ = PQconnectdb(conninfo.c_str());
  if (!connection_ || PQstatus(connection_) != CONNECTION_OK) {
    std::string message = connection_ ? PQerrorMessage(connection_) : "out of memory";
    PQfinish(connection_);
    connection_ = nullptr;
    throw StoreError("cannot connect to the PostgreSQL score database: " + message);
  }
  try {
    setUp();
  } catch (...) {
    PQfinish(connection_);
    connection_ = nullptr;
    throw;
  }
}

void PostgresScoreStore::setUp() {
  command("SET client_min_messages = warning");
  limitStatementTime();
  command("CREATE TABLE IF NOT EXISTS scores ("
        " id BIGSERIAL PRIMARY KEY,"
        " name TEXT NOT NULL,"
        " score BIGINT NOT NULL,"
        " submitted TIMESTAMPTZ NOT NULL DEFAULT now())");
  command("CREATE INDEX IF NOT EXISTS scores_by_rank ON scores (score DESC, id)");
  // unnest keeps the array order, so ids follow the order the scores arrived in.
  prepare("add_all",
        "INSERT INTO scores (name, score) SELECT * FROM unnest($1::text[], $2::bigint[])", 2);
  prepare("ranked", "SELECT name, score FROM scores ORDER BY score DESC, id LIMIT $1 OFFSET $2", 2);
  prepare("count", "SELECT count(*) FROM scores", 0);
}

void PostgresScoreStore::limitStatementTime() {
  Result shown(PQexec(connection_, "SHOW statement_timeout"));
  if (PQresultStatus(shown.get()) != PGRES_TUPLES_OK) {
    throw StoreError(std::string("PostgreSQL score database: ") + PQerrorMessage(connection_));
  }
  // "0" is the server's "no limit"; a limit the site chose (in the connection string, the
  // role or the database) is kept.
  if (std::string(PQgetvalue(shown.get(), 0, 0)) != "0") return;
  std::string limit = "SET statement_timeout = " + std::to_string(statementTimeout_.count());
  command(limit.c_str());
}

void PostgresScoreStore::reconnectIfLost() {
  if (PQstatus(connection_) == CONNECTION_OK) return;
  PQreset(connection_);
  if (PQstatus(connection_) != CONNECTION_OK) {
    throw StoreError(std::string("PostgreSQL score database: reconnecting: ") + PQerrorMessage(connection_));
  }
  setUp();  // prepared statements belong to the old session
}

PostgresScoreStore::~PostgresScoreStore() { PQfinish(connection_); }

void PostgresScoreStore::command(const char* sql) {
  Result result(PQexec(connection_, sql));
  if (PQresultStatus(result.get()) != PGRES_COMMAND_OK) {
    throw StoreError(std::string("PostgreSQL score database: ") + PQerrorMessage(connection_));
  }
}

void PostgresScoreStore::prepare(const char* name, const char* sql, int parameters) {
  Result result(PQprepare(connection_, name, sql, parameters, nullptr));
  if (PQresultStatus(result.get()) != PGRES_COMMAND_OK) {
    throw StoreError(std::string("PostgreSQL score database: ") + PQerrorMessage(connection_));
  }
}

void PostgresScoreStore::addAll(const std::vector<ScoreEntry>& entries) {
  if (entries.empty()) return;
  reconnectIfLost();
  std::string names = textArray(entries);
  std::string numbers = numberArray(entries);
  const char* values[] = {names.c_str(), numbers.c_str()};
  // One statement is one transaction: it commits (synchronously, by default) before the result.
  Result result(PQexecPrepared(connection_, "add_all", 2, values, nullptr, nullptr, 0));
  if (PQresultStatus(result.get()) != PGRES_COMMAND_OK) {
    throw StoreError(std::string("PostgreSQL score database: insert: ") + PQerrorMessage(connection_));
  }
}

std::vector<ScoreEntry> PostgresScoreStore::ranked(std::int64_t offset, std::int64_t limit) {
  reconnectIfLost();
  std::string limitText = std::to_string(limit);
  std::string offsetText = std::to_string(offset);
  const char* values[] = {limitText.c_str(), offsetText.c_str()};
  Result result(PQexecPrepared(connection_, "ranked", 2, values, nullptr, nullptr, 0));
  if (PQresultStatus(result.get()) != PGRES_TUPLES_OK) {
    throw StoreError(std::string("PostgreSQL score database: read: ") + PQerrorMessage(connection_));
  }
  std::vector<ScoreEntry> rows;
  int count = PQntuples(result.get());
  rows.reserve(count);
  for (int i = 0; i < count; ++i) {
    rows.push_back(ScoreEntry{PQgetvalue(result.get(), i, 0),
                              std::stoll(PQgetvalue(result.get(), i, 1))});
  }
  return rows;
}

std::int64_t PostgresScoreStore::count() {
  reconnectIfLost();
  Result result(PQexecPrepared(connection_, "count", 0, nullptr, nullptr, nullptr, 0));
  if (PQresultStatus(result.get()) != PGRES_TUPLES_OK) {
    throw StoreError(std::string("PostgreSQL score database: count: ") + PQerrorMessage(connection_));
  }
  return std::stoll(PQgetvalue(result.get(), 0, 0));
}

}  // namespace scores
