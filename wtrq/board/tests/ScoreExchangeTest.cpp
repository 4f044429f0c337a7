// The exchange against fake servers: what goes out, what is shown, and that it always ends.
#include <gtest/gtest.h>

#include "FakeScoreServer.h"
#include "wtrq/board/ScoreExchange.h"

namespace wtrq {
namespace {

using test::FakeScoreServer;
using test::UnansweringPort;
using Rows = std::vector<ScoreRow>;

// Polls the way the board's loop does, each pass a frame; the exchange's own limit ends it.
const ExchangeOutcome& finish(ScoreExchange& exchange) {
  while (!exchange.poll()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return exchange.outcome();
}

ScoreServerAddress loopback(std::uint16_t port) { return ScoreServerAddress{"127.0.0.1", port}; }

TEST(ScoreExchange, SendsTheLineAndNothingAfterIt) {
  struct Case {
    const char* playerName;
    std::int32_t score;
    const char* line;
  };
  const Case cases[] = {
      {"", 10, "GET /teamweb/wtrq/save.php?name=unnamed&score=10&checksum=3140&fetch=1\n"},
      {"a b c", 1273, "GET /teamweb/wtrq/save.php?name=a+b+c&score=1273&checksum=399722&fetch=1\n"},
      {"neg", -7, "GET /teamweb/wtrq/save.php?name=neg&score=-7&checksum=-2198&fetch=1\n"},
  };
  for (const Case& c : cases) {
    FakeScoreServer server(FakeScoreServer::Behaviour::reply, "x|1!");
    ScoreExchange exchange(loopback(server.port()), c.playerName, c.score);
    EXPECT_FALSE(finish(exchange).failed);
    EXPECT_EQ(server.receivedRequest(), c.line);
  }
}

TEST(ScoreExchange, RepliesAsShown) {
  std::string seventeen;
  Rows fifteen;
  for (int i = 1; i <= 17; ++i) {
    seventeen += (i > 1 ? "&n" : "n") + std::to_string(i) + "|" + std::to_string(100 - i);
    if (i <= 15) fifteen.push_back({"n" + std::to_string(i), std::to_string(100 - i)});
  }
  struct Case {
    const char* name;
    std::string reply;
    Rows rows;
  };
  const Case cases[] = {
      {"seventeen records", seventeen + "!", fifteen},
      {"third field", "anna|1200|extra&bob|3|4!", {{"anna", "1200"}, {"bob", "3"}}},
      {"plus as space", "joe+b|950!", {{"joe b", "950"}}},
      {"stops at the first bang", "a|1!b|2!", {{"a", "1"}}},
      {"closed before a bang keeps what arrived", "a|1&b|2&c", {{"a", "1"}, {"b", "2"}}},
      {"record without bar", "a|1&&junk&b|2&!", {{"a", "1"}, {"b", "2"}}},
      {"empty reply", "!", {}},
      {"closed without a byte", "", {}},
  };
  for (const Case& c : cases) {
    FakeScoreServer server(FakeScoreServer::Behaviour::reply, c.reply);
    ScoreExchange exchange(loopback(server.port()), "me", 1);
    const ExchangeOutcome& outcome = finish(exchange);
    EXPECT_FALSE(outcome.failed) << c.name;
    EXPECT_EQ(outcome.rows, c.rows) << c.name;
  }
}

TEST(ScoreExchange, EndlessReplyIsCutAtTheCap) {
  FakeScoreServer server(FakeScoreServer::Behaviour::endless, "ann|1&");
  ScoreExchange exchange(loopback(server.port()), "me", 1);
  const ExchangeOutcome& outcome = finish(exchange);
  EXPECT_FALSE(outcome.failed);
  EXPECT_EQ(outcome.rows.size(), 15u);
  EXPECT_EQ(outcome.rows[0], (ScoreRow{"ann", "1"}));
  // The client stopped reading and closed long before the server ran out of bytes to send.
  EXPECT_LT(server.bytesSent(), 32u * 1024 * 1024);
}

TEST(ScoreExchange, FailuresEndWithinTheLimit) {
  using namespace std::chrono;
  const milliseconds limit{300};
  struct Case {
    const char* name;
    std::function<std::uint16_t()> setUp;
  };
  std::unique_ptr<FakeScoreServer> silent;
  std::unique_ptr<FakeScoreServer> halfReply;
  std::unique_ptr<UnansweringPort> unanswering;
  const Case cases[] = {
      {"server that accepts and never answers",
       [&] {
         silent = std::make_unique<FakeScoreServer>(FakeScoreServer::Behaviour::silent);
         return silent->port();
       }},
      {"host that never answers the connection",
       [&] {
         unanswering = std::make_unique<UnansweringPort>();
         return unanswering->port();
       }},
      {"nobody listening", [] { return std::uint16_t{1}; }},
  };
  for (const Case& c : cases) {
    auto started = steady_clock::now();
    ScoreExchange exchange(loopback(c.setUp()), "me", 1, limit);
    const ExchangeOutcome& outcome = finish(exchange);
    EXPECT_TRUE(outcome.failed) << c.name;
    EXPECT_TRUE(outcome.rows.empty()) << c.name;
    // Generous against a loaded machine, far below what a hanging connect would take.
    EXPECT_LT(steady_clock::now() - started, limit + seconds(3)) << c.name;
  }
}

TEST(ScoreExchange, UnknownHostFails) {
  ScoreExchange exchange(ScoreServerAddress{"no-such-host.invalid", 80}, "me", 1, std::chrono::milliseconds(3000));
  EXPECT_TRUE(finish(exchange).failed);
}

TEST(ScoreExchange, GivesUpAfterTenSecondsByDefault) {
  EXPECT_EQ(ScoreExchange::defaultLimit, std::chrono::seconds(10));
  EXPECT_EQ(ScoreExchange::maxReplyBytes, 65536u);
}

}  // namespace
}  // namespace wtrq
