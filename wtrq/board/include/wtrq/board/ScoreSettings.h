// Where the score board sends scores and which page it names, from wtrq.conf and the environment.
//
// The file is $XDG_CONFIG_HOME/wtrq/wtrq.conf (~/.config/wtrq/wtrq.conf without the variable),
// read once at start-up; it may be missing. Lines are "key = value"; blank lines and lines
// starting with "#" are skipped, unknown keys are left for other parts of the game:
//   score_server = scores.example.org:8642   (host, optional ":port", 80 when none is given)
//   score_page   = http://scores.example.org:8642/teamweb/wtrq/
// WTRQ_SCORE_SERVER and WTRQ_SCORE_PAGE, when set, override the file.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wtrq {

struct ScoreServerAddress {
  std::string host;
  std::uint16_t port = 80;

  bool operator==(const ScoreServerAddress&) const = default;
};

// A wtrq-scores on this machine with its default address.
inline const ScoreServerAddress defaultScoreServer{"127.0.0.1", 8642};
inline const std::string defaultScorePage = "http://127.0.0.1:8642/teamweb/wtrq/";

struct ScoreSettings {
  ScoreServerAddress server = defaultScoreServer;
  std::string page = defaultScorePage;
};

using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// "host" or "host:port"; nullopt for an empty host or a port outside 1..65535.
std::optional<ScoreServerAddress> parseScoreServer(std::string_view text);

// The file's path from XDG_CONFIG_HOME or HOME; empty when neither is set.
std::string scoreSettingsPath(const EnvironmentLookup& environment);

// Applies a settings file's lines to settings; a line it cannot use is skipped with a
// warning that names the file and line.
void readScoreSettings(std::istream& in, const std::string& fileName, ScoreSettings& settings,
                       std::vector<std::string>& warnings);

// Defaults, then the file (if there is one), then the environment.
ScoreSettings loadScoreSettings(const EnvironmentLookup& environment, std::vector<std::string>& warnings);

// The process environment, for callers outside tests.
EnvironmentLookup processEnvironment();

}  // namespace wtrq
