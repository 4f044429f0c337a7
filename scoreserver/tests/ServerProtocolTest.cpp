// The server over a real loopback socket: what each request gets back and what it stores.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include "SqliteScoreStore.h"
#include "TestServer.h"

namespace scores {
namespace {

using testing::TempFolder;
using testing::TestServer;
using testing::talk;

// Two scores stored before each case: anna 1200 and "joe b" 950.
std::unique_ptr<SqliteScoreStore> seededStore(const TempFolder& folder) {
  auto store = std::make_unique<SqliteScoreStore>((folder.path() / "scores.db").string());
  store->addAll({{"anna", 1200}, {"joe b", 950}});
  return store;
}

std::int64_t storedRows(const TempFolder& folder) {
  return SqliteScoreStore((folder.path() / "scores.db").string()).count();
}

std::string body(const std::string& reply) {
  auto end = reply.find("\r\n\r\n");
  return end == std::string::npos ? std::string() : reply.substr(end + 4);
}

const std::string seededList = "anna|1200&joe+b|950!";

struct ProtocolCase {
  const char* name;
  std::string request;
  std::string startsWith;  // the reply's beginning; an empty text means "closed without a reply"
  std::string bodyHas;     // for HTTP replies, a text the body must contain
  std::int64_t rows;       // rows stored afterwards
};

const ProtocolCase protocolCases[] = {
    {"game line stores and answers the list",
     "GET /teamweb/wtrq/save.php?name=neo+x&score=1273&checksum=399722&fetch=1\n",
     "neo+x|1273&anna|1200&joe+b|950!", "", 3},
    {"game line with CR LF", "GET /teamweb/wtrq/save.php?name=unnamed&score=0&checksum=0&fetch=1\r\n",
     seededList.substr(0, seededList.size() - 1) + "&unnamed|0!", "", 3},
    {"without fetch the list is left out", "GET /teamweb/wtrq/save.php?name=a&score=1&checksum=314\n", "!", "", 3},
    {"wrong check value: list, nothing stored",
     "GET /teamweb/wtrq/save.php?name=a&score=1273&checksum=1&fetch=1\n", seededList, "", 2},
    {"negative score refused", "GET /teamweb/wtrq/save.php?name=a&score=-5&checksum=-1570&fetch=1\n", seededList, "", 2},
    {"implausible score refused",
     "GET /teamweb/wtrq/save.php?name=a&score=2000000000&checksum=-1619149312&fetch=1\n", seededList, "", 2},
    {"name of 16 refused", "GET /teamweb/wtrq/save.php?name=abcdefghijklmnop&score=1&checksum=314&fetch=1\n",
     seededList, "", 2},
    {"markup in a name refused", "GET /teamweb/wtrq/save.php?name=%3Cb%3E&score=1&checksum=314&fetch=1\n",
     seededList, "", 2},
    {"empty name refused", "GET /teamweb/wtrq/save.php?name=&score=1&checksum=314&fetch=1\n", seededList, "", 2},
    {"missing check value refused", "GET /teamweb/wtrq/save.php?name=a&score=1&fetch=1\n", seededList, "", 2},
    {"simple line elsewhere is closed", "GET /teamweb/wtrq/\n", "", "", 2},
    {"simple POST is closed", "POST /teamweb/wtrq/save.php?name=a&score=1&checksum=314&fetch=1\n", "", "", 2},
    {"garbage is closed", "hello there\n", "", "", 2},
    {"HTTP/1.1 game path", "GET /teamweb/wtrq/save.php?name=b&score=5&checksum=1570&fetch=1 HTTP/1.1\r\nHost: x\r\n\r\n",
     "HTTP/1.1 200 OK\r\n", "anna|1200&joe+b|950&b|5!", 3},
    {"HTTP/1.0 game path refused submission",
     "GET /teamweb/wtrq/save.php?name=b&score=5&checksum=1&fetch=1 HTTP/1.0\r\n\r\n", "HTTP/1.0 200 OK\r\n",
     seededList, 2},
    {"HEAD never stores", "HEAD /teamweb/wtrq/save.php?name=b&score=5&checksum=1570&fetch=1 HTTP/1.1\r\n\r\n",
     "HTTP/1.1 200 OK\r\n", "", 2},
    {"score page", "GET /teamweb/wtrq/ HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 200 OK\r\nContent-Type: text/html",
     "<td class=\"name\">joe b</td>", 2},
    {"JSON list", "GET /teamweb/wtrq/scores.json HTTP/1.1\r\n\r\n", "HTTP/1.1 200 OK\r\nContent-Type: application/json",
     "{\"scores\":[{\"rank\":1,\"name\":\"anna\",\"score\":1200},{\"rank\":2,\"name\":\"joe b\",\"score\":950}]}", 2},
    {"root moves to the page", "GET / HTTP/1.1\r\n\r\n", "HTTP/1.1 301 Moved Permanently\r\n", "", 2},
    {"unknown path", "GET /etc/passwd HTTP/1.1\r\n\r\n", "HTTP/1.1 404 Not Found\r\n", "", 2},
    {"POST refused", "POST /teamweb/wtrq/save.php?name=a&score=1&checksum=314 HTTP/1.1\r\nContent-Length: 0\r\n\r\n",
     "HTTP/1.1 405 Method Not Allowed\r\n", "", 2},
    {"broken escape", "GET /teamweb/wtrq/%zz HTTP/1.1\r\n\r\n", "HTTP/1.1 400 Bad Request\r\n", "", 2},
    {"broken header", "GET / HTTP/1.1\r\nno colon here\r\n\r\n", "HTTP/1.1 400 Bad Request\r\n", "", 2},
    {"HTTP/2.0", "GET / HTTP/2.0\r\n\r\n", "HTTP/1.0 505 HTTP Version Not Supported\r\n", "", 2},
    {"request line too long", "GET /" + std::string(5000, 'a') + " HTTP/1.1\r\n\r\n", "HTTP/1.0 414 URI Too Long\r\n", "", 2},
    {"too many headers", [] {
       std::string r = "GET / HTTP/1.1\r\n";
       for (int i = 0; i < 100; ++i) r += "X-" + std::to_string(i) + ": 1\r\n";
       return r + "\r\n";
     }(),
     "HTTP/1.1 431 Request Header Fields Too Large\r\n", "", 2},
};

class ServerProtocol : public ::testing::TestWithParam<ProtocolCase> {};

TEST_P(ServerProtocol, ReplyAndStorage) {
  const ProtocolCase& c = GetParam();
  TempFolder folder;
  {
    TestServer server(seededStore(folder));
    std::string reply = talk(server.port(), c.request);
    if (c.startsWith.empty()) {
      EXPECT_EQ(reply, "");
    } else if (c.startsWith.compare(0, 5, "HTTP/") == 0) {
      EXPECT_EQ(reply.substr(0, c.startsWith.size()), c.startsWith) << reply;
      EXPECT_NE(reply.find("\r\nConnection: close\r\n"), std::string::npos) << reply;
      EXPECT_NE(body(reply).find(c.bodyHas), std::string::npos) << reply;
      if (c.request.compare(0, 4, "HEAD") == 0) {
        EXPECT_EQ(body(reply), "");
      }
    } else if (c.startsWith.back() == '!') {
      EXPECT_EQ(reply, c.startsWith);
    } else {
      EXPECT_EQ(reply.substr(0, c.startsWith.size()), c.startsWith) << reply;
      EXPECT_EQ(reply.back(), '!');
    }
  }
  EXPECT_EQ(storedRows(folder), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Server, ServerProtocol, ::testing::ValuesIn(protocolCases), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name) if (!isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
});

TEST(Server, AnswersOnlyTheBestFifteenInRankOrder) {
  TempFolder folder;
  auto store = std::make_unique<SqliteScoreStore>((folder.path() / "scores.db").string());
  std::vector<ScoreEntry> entries;
  for (int i = 0; i < 20; ++i) entries.push_back({"p" + std::to_string(i), i % 2 ? 100 : i});
  store->addAll(entries);
  TestServer server(std::move(store));
  // Equal scores rank by arrival: p1, p3, ... all scored 100.
  EXPECT_EQ(talk(server.port(), "GET /teamweb/wtrq/save.php?name=x&score=0&checksum=1&fetch=1\n"),
            "p1|100&p3|100&p5|100&p7|100&p9|100&p11|100&p13|100&p15|100&p17|100&p19|100&"
            "p18|18&p16|16&p14|14&p12|12&p10|10!");
}

TEST(Server, ScorePageIsPaged) {
  TempFolder folder;
  auto store = std::make_unique<SqliteScoreStore>((folder.path() / "scores.db").string());
  std::vector<ScoreEntry> entries;
  for (int i = 1; i <= 120; ++i) entries.push_back({"p" + std::to_string(i), i});
  store->addAll(entries);
  TestServer server(std::move(store));
  struct Case {
    const char* query;
    const char* has;
    const char* lacks;
  };
  const Case cases[] = {
      {"", "<td class=\"rank\">1</td><td class=\"name\">p120</td>", "p70<"},
      {"?page=2", "<td class=\"rank\">51</td><td class=\"name\">p70</td>", "p120<"},
      {"?page=3", "<td class=\"rank\">120</td><td class=\"name\">p1</td>", "page=4"},
      {"?page=9", "No scores on this page.", "<table>"},
      {"?page=-1", "page 1 of 3", "page=0"},
  };
  for (const Case& c : cases) {
    std::string reply = talk(server.port(), std::string("GET /teamweb/wtrq/") + c.query + " HTTP/1.0\r\n\r\n");
    EXPECT_NE(reply.find(c.has), std::string::npos) << c.query;
    EXPECT_EQ(reply.find(c.lacks), std::string::npos) << c.query;
  }
}

// Rows written by other tools need not follow the name rules; the page and the JSON still
// show them as text.
TEST(Server, StoredMarkupIsShownAsText) {
  TempFolder folder;
  auto store = std::make_unique<SqliteScoreStore>((folder.path() / "scores.db").string());
  store->addAll({{"<b>x</b>&\"q\"", 5}});
  TestServer server(std::move(store));
  std::string page = talk(server.port(), "GET /teamweb/wtrq/ HTTP/1.0\r\n\r\n");
  EXPECT_NE(page.find("<td class=\"name\">&lt;b&gt;x&lt;/b&gt;&amp;&quot;q&quot;</td>"), std::string::npos) << page;
  EXPECT_EQ(page.find("<b>x"), std::string::npos);
  std::string json = talk(server.port(), "GET /teamweb/wtrq/scores.json HTTP/1.0\r\n\r\n");
  EXPECT_NE(json.find("\"name\":\"<b>x</b>&\\\"q\\\"\""), std::string::npos) << json;
  // The game's list keeps one record whatever the name holds.
  EXPECT_EQ(talk(server.port(), "GET /teamweb/wtrq/save.php?fetch=1\n"), "_b_x__b___q_|5!");
}

TEST(Server, ClientThatStopsSendingIsCutOffAtItsDeadline) {
  TempFolder folder;
  ServerLimits limits;
  limits.connection.requestTimeout = std::chrono::milliseconds(200);
  TestServer server(seededStore(folder), limits);
  // The game's form has no way to carry a refusal; HTTP gets a status.
  EXPECT_EQ(talk(server.port(), "GET /teamweb/wtrq/save.php?name=a"), "");
  std::string http = talk(server.port(), "GET / HTTP/1.1\r\nHost: x\r\n");
  EXPECT_EQ(http.substr(0, 30), "HTTP/1.1 408 Request Timeout\r\n");
}

}  // namespace
}  // namespace scores
