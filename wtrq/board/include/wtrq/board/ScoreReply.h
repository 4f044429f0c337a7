// The server's reply: "name|score&name|score", "+" for spaces, read up to the first "!".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wtrq {

struct ScoreRow {
  std::string name;
  std::string score;

  bool operator==(const ScoreRow&) const = default;
};

constexpr std::size_t maxScoreRows = 15;

// Splits at most maxParts parts: each separator ends a part, the rest after the last
// allowed part is dropped, and whatever follows the final separator is one more part.
std::vector<std::string> splitAtMost(std::string_view text, char separator, std::size_t maxParts);

// Rows from the reply text (without its "!"): the first 15 records, two fields each; a
// record with no "|" (an empty reply, a reply ending in "&") has no score and is left out.
std::vector<ScoreRow> parseScoreReply(std::string_view reply);

}  // namespace wtrq
