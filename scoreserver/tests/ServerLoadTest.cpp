// Many clients at once, a slow client among quick ones, and the cap on open connections.
#include <gtest/gtest.h>


#include <sys/resource.h>

#include <algorithm>
#include <set>

#include "LoadClient.h"
#include "SqliteScoreStore.h"
#include "TestServer.h"

namespace scores {
namespace {

using testing::TempFolder;
using testing::TestServer;
using testing::HeldConnection;
using testing::talk;

TEST(ServerLoad, ThousandConcurrentClientsEachStoreOneRow) {
  // Both ends of 1000 connections live in this process: more than the usual soft limit.
  rlimit files{};
  getrlimit(RLIMIT_NOFILE, &files);
  if (files.rlim_cur < 2100 && files.rlim_max > files.rlim_cur) {
    files.rlim_cur = std::min<rlim_t>(files.rlim_max, 4096);
    setrlimit(RLIMIT_NOFILE, &files);
  }
  if (files.rlim_cur < 2100) GTEST_SKIP() << "only " << files.rlim_cur << " file descriptors allowed";
  TempFolder folder;
  std::string file = (folder.path() / "scores.db").string();
  {
    TestServer server(std::make_unique<SqliteScoreStore>(file));
    LoadPlan plan;
    plan.port = server.port();
    plan.concurrency = 1000;
    plan.requests = 1000;
    plan.timeLimit = std::chrono::seconds(60);
    plan.request = [](std::size_t i) { return gameLine("c" + std::to_string(i), static_cast<int>(i)); };
    LoadResult result = runLoad(plan);
    EXPECT_EQ(result.answered.size(), 1000u) << result.firstFailure;
    EXPECT_EQ(result.failed, 0u) << result.firstFailure;
  }
  SqliteScoreStore store(file);
  EXPECT_EQ(store.count(), 1000);
  std::set<std::string> names;
  for (const ScoreEntry& row : store.ranked(0, 2000)) names.insert(row.name);
  EXPECT_EQ(names.size(), 1000u);
  EXPECT_EQ(names.count("c0") + names.count("c999"), 2u);
}

TEST(ServerLoad, SlowClientDoesNotHoldOthersUp) {
  TempFolder folder;
  TestServer server(std::make_unique<SqliteScoreStore>((folder.path() / "scores.db").string()));
  HeldConnection slow(server.port());
  ASSERT_TRUE(slow.connected());
  slow.send("GET /teamweb/wtrq/save.php?name=slow");
  for (int i = 0; i < 20; ++i) {
    std::string name = "quick" + std::to_string(i);
    std::string reply = talk(server.port(), gameLine(name, 10 + i));
    // Each new score is the best so far, so it heads the list it is answered with.
    std::string head = name + "|" + std::to_string(10 + i);
    ASSERT_EQ(reply.substr(0, head.size()), head) << reply;
  }
  // Once it finishes its line, the slow client is answered too, its score at the top.
  slow.send("&score=100000&checksum=31400000&fetch=1\n");
  std::string reply = slow.readAll();
  EXPECT_EQ(reply.substr(0, 20), "slow|100000&quick19|") << reply;
}

TEST(ServerLoad, ClientsBeyondTheCapWaitForAFreeConnection) {
  TempFolder folder;
  ServerLimits limits;
  limits.maxConnections = 2;
  TestServer server(std::make_unique<SqliteScoreStore>((folder.path() / "scores.db").string()), limits);
  auto first = std::make_unique<HeldConnection>(server.port());
  HeldConnection second(server.port());
  // Both slots are taken: a third client is not served while they stay open.
  EXPECT_EQ(talk(server.port(), gameLine("third", 3), std::chrono::milliseconds(300)), "");
  // Once a slot frees, the waiting third client is served (its line was sent), then the fourth.
  first.reset();
  EXPECT_EQ(talk(server.port(), gameLine("fourth", 4)), "fourth|4&third|3!");
}

}  // namespace
}  // namespace scores
