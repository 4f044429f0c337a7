// A request target split into its path and its decoded query parameters.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scores {

struct Target {
  std::string path;
  std::vector<std::pair<std::string, std::string>> parameters;

  // The first value given for a name; the game never repeats one.
  std::optional<std::string> parameter(std::string_view name) const;
};

// "+" decodes to a space and "%XX" to its byte; a broken escape or an escaped control
// byte makes the whole target unusable (nullopt) rather than guessing.
std::optional<Target> splitTarget(std::string_view target);

}  // namespace scores
