// Reading the rows out of a score server's reply.
#include "wtrq/board/ScoreReply.h"

namespace wtrq {

std::vector<std::string> splitAtMost(std::string_view text, char separator, std::size_t maxParts) {
  std::vector<std::string> parts;
  while (parts.size() < maxParts) {
    std::size_t end = text.find(separator);
    if (end == std::string_view::npos) {
      parts.emplace_back(text);
      break;
    }
    parts.emplace_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  return parts;
}

std::vector<ScoreRow> parseScoreReply(std::string_view reply) {
  std::vector<ScoreRow> rows;
  for (const std::string& record : splitAtMost(reply, '&', maxScoreRows)) {
    std::vector<std::string> fields = splitAtMost(record, '|', 2);
    if (fields.size() < 2) continue;
    for (char& c : fields[0]) {
      if (c == '+') c = ' ';
    }
    rows.push_back(ScoreRow{std::move(fields[0]), std::move(fields[1])});
  }
  return rows;
}

}  // namespace wtrq
