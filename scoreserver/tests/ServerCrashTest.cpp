// Killed with SIGKILL while 64 clients submit: after a restart every answered score is stored.
#include <gtest/gtest.h>

#include <libpq-fe.h>

#include <csignal>
#include <cstdlib>
#include <set>
#include <sys/wait.h>

#include "LoadClient.h"
#include "PostgresScoreStore.h"
#include "ServerProcess.h"
#include "SqliteScoreStore.h"
#include "TestServer.h"

namespace scores {
namespace {

using testing::HeldConnection;
using testing::ServerProcess;
using testing::TempFolder;

// A database of its own on the PostgreSQL server named by WTRQ_TEST_POSTGRES, dropped afterwards.
class PostgresDatabase {
 public:
  explicit PostgresDatabase(const std::string& server) : server_(server) {
    name_ = "wtrq_test_" + std::to_string(::getpid());
    run("DROP DATABASE IF EXISTS " + name_);
    run("CREATE DATABASE " + name_);
  }
  ~PostgresDatabase() { run("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)"); }
  std::string conninfo() const { return server_ + " dbname=" + name_; }
  // Ends every other session on the database, as a server restart would.
  void dropSessions() {
    run("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '" + name_ +
            "' AND pid <> pg_backend_pid()",
        PGRES_TUPLES_OK);
  }

 private:
  void run(const std::string& sql, ExecStatusType expected = PGRES_COMMAND_OK) {
    PGconn* connection = PQconnectdb(server_.c_str());
    PGresult* result = PQexec(connection, sql.c_str());
    bool ok = PQresultStatus(result) == expected;
    std::string message = PQerrorMessage(connection);
    PQclear(result);
    PQfinish(connection);
    if (!ok) throw std::runtime_error(sql + ": " + message);
  }

  std::string server_;
  std::string name_;
};

struct Backend {
  std::vector<std::string> options;
  std::function<std::unique_ptr<ScoreStore>()> open;
};

void killWhileSubmitting(const Backend& backend) {
  constexpr std::size_t answeredBeforeKill = 400;
  std::unique_ptr<ServerProcess> server = std::make_unique<ServerProcess>(WTRQ_SCORES_PROGRAM, backend.options);
  pid_t pid = server->pid();

  LoadPlan plan;
  plan.port = server->port();
  plan.concurrency = 64;
  plan.requests = 100000;
  plan.timeLimit = std::chrono::seconds(30);
  plan.requestTimeout = std::chrono::seconds(5);
  plan.request = [](std::size_t i) { return gameLine("k" + std::to_string(i), static_cast<int>(i)); };
  // The kill lands while the other 63 clients are mid-exchange.
  plan.onAnswered = [pid](std::size_t answered) {
    if (answered == answeredBeforeKill) ::kill(pid, SIGKILL);
    return answered < answeredBeforeKill;
  };
  LoadResult result = runLoad(plan);
  int status = server->wait();
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  ASSERT_GE(result.answered.size(), answeredBeforeKill);

  // The restarted server opens what the killed one left and serves again.
  server = std::make_unique<ServerProcess>(WTRQ_SCORES_PROGRAM, backend.options);
  std::string reply = testing::talk(server->port(), gameLine("after", 5));
  EXPECT_EQ(reply.back(), '!') << reply;
  server->signal(SIGTERM);
  int stopped = server->wait();
  EXPECT_TRUE(WIFEXITED(stopped) && WEXITSTATUS(stopped) == 0);

  auto store = backend.open();
  std::set<std::string> stored;
  for (const ScoreEntry& row : store->ranked(0, 1'000'000)) stored.insert(row.name);
  std::size_t missing = 0;
  for (std::size_t i : result.answered) missing += stored.count("k" + std::to_string(i)) == 0;
  EXPECT_EQ(missing, 0u) << "of " << result.answered.size() << " answered";
  EXPECT_EQ(stored.count("after"), 1u);
}

TEST(ServerCrash, SqliteKeepsEveryAnsweredScore) {
  TempFolder folder;
  std::string file = (folder.path() / "scores.db").string();
  killWhileSubmitting({{"--db", file}, [file] { return std::make_unique<SqliteScoreStore>(file); }});
}

TEST(ServerCrash, PostgresKeepsEveryAnsweredScore) {
  const char* server = std::getenv("WTRQ_TEST_POSTGRES");
  if (!server) GTEST_SKIP() << "WTRQ_TEST_POSTGRES names no PostgreSQL server";
  PostgresDatabase database(server);
  std::string conninfo = database.conninfo();
  killWhileSubmitting({{"--postgres", conninfo}, [conninfo] { return std::make_unique<PostgresScoreStore>(conninfo); }});
}

TEST(PostgresStore, OpensItsSessionAgainAfterTheServerDroppedIt) {
  const char* server = std::getenv("WTRQ_TEST_POSTGRES");
  if (!server) GTEST_SKIP() << "WTRQ_TEST_POSTGRES names no PostgreSQL server";
  PostgresDatabase database(server);
  PostgresScoreStore store(database.conninfo());
  store.addAll({{"before", 1}});
  database.dropSessions();
  // The statement that finds the session gone fails: that score is not claimed as stored.
  EXPECT_THROW(store.addAll({{"lost", 2}}), StoreError);
  store.addAll({{"after", 3}});
  auto rows = store.ranked(0, 10);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].name, "after");
  EXPECT_EQ(rows[1].name, "before");
}

// Another session that locks the scores table until COMMIT, or until it has been idle for
// 5 s, so that a statement waiting on it without a limit fails a test instead of hanging it.
PGconn* holdScoresTable(const PostgresDatabase& database) {
  PGconn* holder = PQconnectdb(database.conninfo().c_str());
  PGresult* result = PQexec(holder, "SET idle_in_transaction_session_timeout = 5000;"
                                    " BEGIN; LOCK TABLE scores IN ACCESS EXCLUSIVE MODE");
  EXPECT_EQ(PQresultStatus(result), PGRES_COMMAND_OK) << PQerrorMessage(holder);
  PQclear(result);
  return holder;
}

// Another session holds the table: the store's statement gives up after its limit instead of
// keeping every waiting submission unanswered, and works again once the table is free.
TEST(PostgresStore, AStatementHeldUpByALockGivesUp) {
  const char* server = std::getenv("WTRQ_TEST_POSTGRES");
  if (!server) GTEST_SKIP() << "WTRQ_TEST_POSTGRES names no PostgreSQL server";
  PostgresDatabase database(server);
  PostgresScoreStore store(database.conninfo(), std::chrono::milliseconds(200));
  PGconn* holder = holdScoresTable(database);
  try {
    store.addAll({{"held", 1}});
    ADD_FAILURE() << "the insert waited for the lock without a limit";
  } catch (const StoreError& error) {
    EXPECT_NE(std::string(error.what()).find("statement timeout"), std::string::npos) << error.what();
  }
  PQclear(PQexec(holder, "COMMIT"));
  PQfinish(holder);
  store.addAll({{"free", 2}});
  auto rows = store.ranked(0, 10);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, "free");
}

// A limit the site set in the connection string is the one that holds: here it is shorter than
// the store's own hour, so a store that replaced the site's limit would see its insert succeed
// once the holder gives up.
TEST(PostgresStore, KeepsTheStatementLimitTheConnectionStringSets) {
  const char* server = std::getenv("WTRQ_TEST_POSTGRES");
  if (!server) GTEST_SKIP() << "WTRQ_TEST_POSTGRES names no PostgreSQL server";
  PostgresDatabase database(server);
  PostgresScoreStore store(database.conninfo() + " options='-c statement_timeout=100'", std::chrono::hours(1));
  PGconn* holder = holdScoresTable(database);
  EXPECT_THROW(store.addAll({{"held", 1}}), StoreError);
  PQfinish(holder);
}

// Out of descriptors, the server keeps going and serves again once clients leave.
TEST(ServerProcess, OutOfDescriptorsIsSurvived) {
  TempFolder folder;
  std::string file = (folder.path() / "scores.db").string();
  ServerProcess server(WTRQ_SCORES_PROGRAM, {"--db", file, "--request-timeout-ms", "60000"},
                       {"/usr/bin/prlimit", "--nofile=24:24"});
  std::vector<std::unique_ptr<HeldConnection>> held;
  for (int i = 0; i < 40; ++i) held.push_back(std::make_unique<HeldConnection>(server.port()));
  // Every descriptor the server may have is in use: this one waits unanswered.
  EXPECT_EQ(testing::talk(server.port(), gameLine("waiting", 1), std::chrono::milliseconds(300)), "");
  held.clear();
  EXPECT_EQ(testing::talk(server.port(), gameLine("later", 2)).substr(0, 7), "later|2");
  server.signal(SIGTERM);
  int status = server.wait();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace scores
