// The one line the score board sends: name, score and check value on the server's save path.
#pragma once

#include <cstdint>
#include <string>

namespace wtrq {

// score × 314, wrapping in 32 bits the way the server expects; never a signed overflow.
std::int32_t scoreCheckValue(std::int32_t score);

// "unnamed" for an empty name and "+" for every space; a name holds only letters, digits
// and spaces, so nothing else needs escaping.
std::string requestName(const std::string& playerName);

// "GET /teamweb/wtrq/save.php?name=...&score=...&checksum=...&fetch=1" and one line feed.
std::string buildRequestLine(const std::string& playerName, std::int32_t score);

}  // namespace wtrq
