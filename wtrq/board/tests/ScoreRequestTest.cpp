// The request line and the reply rows, without a network.
#include <gtest/gtest.h>

#include "wtrq/board/ScoreReply.h"
#include "wtrq/board/ScoreRequest.h"

namespace wtrq {
namespace {

TEST(ScoreRequest, LineByteForByte) {
  struct Case {
    const char* playerName;
    std::int32_t score;
    const char* line;
  };
  const Case cases[] = {
      {"", 5, "GET /teamweb/wtrq/save.php?name=unnamed&score=5&checksum=1570&fetch=1\n"},
      {"joe b 2", 1273, "GET /teamweb/wtrq/save.php?name=joe+b+2&score=1273&checksum=399722&fetch=1\n"},
      {" ", 0, "GET /teamweb/wtrq/save.php?name=+&score=0&checksum=0&fetch=1\n"},
      {"Anna", -5, "GET /teamweb/wtrq/save.php?name=Anna&score=-5&checksum=-1570&fetch=1\n"},
      {"max", 2147483647, "GET /teamweb/wtrq/save.php?name=max&score=2147483647&checksum=-314&fetch=1\n"},
      {"min", -2147483647 - 1, "GET /teamweb/wtrq/save.php?name=min&score=-2147483648&checksum=0&fetch=1\n"},
      {"wrap", 6839630, "GET /teamweb/wtrq/save.php?name=wrap&score=6839630&checksum=-2147323476&fetch=1\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(buildRequestLine(c.playerName, c.score), c.line) << c.playerName;
}

using Rows = std::vector<ScoreRow>;

std::string records(int count) {
  std::string reply;
  for (int i = 1; i <= count; ++i) reply += (i > 1 ? "&" : "") + ("p" + std::to_string(i)) + "|" + std::to_string(i);
  return reply;
}

Rows numberedRows(int count) {
  Rows rows;
  for (int i = 1; i <= count; ++i) rows.push_back({"p" + std::to_string(i), std::to_string(i)});
  return rows;
}

TEST(ScoreReply, Rows) {
  struct Case {
    const char* name;
    std::string reply;
    Rows rows;
  };
  const Case cases[] = {
      {"two rows", "anna|1200&joe+b|950", {{"anna", "1200"}, {"joe b", "950"}}},
      {"seventeen records show fifteen", records(17), numberedRows(15)},
      {"exactly fifteen", records(15), numberedRows(15)},
      {"a third field is dropped", "a|1|x&b|2|y|z", {{"a", "1"}, {"b", "2"}}},
      {"plus in names only", "a+b+c|1+2", {{"a b c", "1+2"}}},
      {"empty reply", "", {}},
      {"ending in &", "a|1&", {{"a", "1"}}},
      {"record without bar", "nobar&a|1", {{"a", "1"}}},
      {"bad records count towards fifteen", "x&" + records(15), numberedRows(14)},
      {"empty name kept", "|5", {{"", "5"}}},
  };
  for (const Case& c : cases) EXPECT_EQ(parseScoreReply(c.reply), c.rows) << c.name;
}

}  // namespace
}  // namespace wtrq
