// A connection on one end of a socket pair, its loop run by the test: what the client gets.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Connection.h"
#include "SqliteScoreStore.h"
#include "TestServer.h"

namespace scores {
namespace {

using testing::TempFolder;

// The score page of fifty rows whose names all escape to four times their length.
std::unique_ptr<SqliteScoreStore> storeOfLongNames(const TempFolder& folder) {
  auto store = std::make_unique<SqliteScoreStore>((folder.path() / "scores.db").string());
  std::vector<ScoreEntry> rows;
  for (int i = 0; i < 50; ++i) rows.push_back({std::string(15, '<'), 1000 - i});
  store->addAll(rows);
  return store;
}

struct Exchange {
  std::string reply;
  bool closed = false;
  std::uint64_t scoresStored = 0;
};

// Runs the connection's loop on this thread and reads only between its steps, so the
// connection never finds its peer reading while it writes.
Exchange serve(std::unique_ptr<ScoreStore> store, const std::string& request, int sendBuffer) {
  int ends[2];
  EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends), 0);
  ::setsockopt(ends[0], SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);
  EXPECT_EQ(::send(ends[1], request.data(), request.size(), 0), static_cast<ssize_t>(request.size()));

  asio::io_context io{1};
  // The keeper comes after the loop and ends first: the answers it posts, and what it drops
  // after posting, still find the loop there.
  ScoreKeeper keeper(std::move(store));
  RequestHandler handler(keeper);
  Exchange exchange;
  auto connection = std::make_shared<Connection>(io.get_executor(), asio::ip::tcp::v4(), ends[0], handler,
                                                 ConnectionLimits{}, [&](Connection*) { exchange.closed = true; });
  asio::post(io, [connection] { connection->start(); });
  char buffer[65536];
  for (int steps = 0; steps < 500; ++steps) {
    io.run_one_for(std::chrono::milliseconds(20));
    ssize_t n;
    while ((n = ::recv(ends[1], buffer, sizeof buffer, 0)) > 0) exchange.reply.append(buffer, static_cast<std::size_t>(n));
    if (n == 0) break;  // the connection closed its end after the whole answer
    EXPECT_TRUE(errno == EAGAIN || errno == EWOULDBLOCK) << std::strerror(errno);
  }
  connection.reset();
  io.poll();
  ::close(ends[1]);
  exchange.scoresStored = keeper.tally().scores;
  return exchange;
}

TEST(Connection, AnswerLargerThanTheSendBufferArrivesWholeThroughTheLoop) {
  TempFolder folder;
  // The smallest send buffer the system allows, a little over 4 KiB.
  Exchange exchange = serve(storeOfLongNames(folder), "GET /teamweb/wtrq/ HTTP/1.0\r\n\r\n", 1);
  EXPECT_TRUE(exchange.closed);
  auto headEnd = exchange.reply.find("\r\n\r\n");
  ASSERT_NE(headEnd, std::string::npos) << exchange.reply.substr(0, 200);
  std::string body = exchange.reply.substr(headEnd + 4);
  // Well over the buffer: the first write cannot have taken it all.
  ASSERT_GT(body.size(), 2u * 4096u);
  EXPECT_NE(exchange.reply.find("Content-Length: " + std::to_string(body.size()) + "\r\n"), std::string::npos);
  EXPECT_NE(body.find("</html>"), std::string::npos);
}

TEST(Connection, LineAlreadyThereIsAnsweredAndClosed) {
  TempFolder folder;
  Exchange exchange = serve(std::make_unique<SqliteScoreStore>((folder.path() / "scores.db").string()),
                            "GET /teamweb/wtrq/save.php?name=neo&score=2&checksum=628&fetch=1\n", 65536);
  EXPECT_TRUE(exchange.closed);
  EXPECT_EQ(exchange.reply, "neo|2!");
  EXPECT_EQ(exchange.scoresStored, 1u);
}

}  // namespace
}  // namespace scores
