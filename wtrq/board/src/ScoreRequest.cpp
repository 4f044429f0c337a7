// Building the score board's request line.
#include "wtrq/board/ScoreRequest.h"

namespace wtrq {

std::int32_t scoreCheckValue(std::int32_t score) {
  std::uint32_t wrapped = static_cast<std::uint32_t>(score) * 314u;
  return static_cast<std::int32_t>(wrapped);
}

std::string requestName(const std::string& playerName) {
  if (playerName.empty()) return "unnamed";
  std::string name = playerName;
  for (char& c : name) {
    if (c == ' ') c = '+';
  }
  return name;
}

std::string buildRequestLine(const std::string& playerName, std::int32_t score) {
  return "GET /teamweb/wtrq/save.php?name=" + requestName(playerName) + "&score=" + std::to_string(score) +
         "&checksum=" + std::to_string(scoreCheckValue(score)) + "&fetch=1\n";
}

}  // namespace wtrq
