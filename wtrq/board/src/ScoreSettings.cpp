// Reading the score board's settings.
#include "wtrq/board/ScoreSettings.h"

#include <charconv>
#include <cstdlib>
#include <fstream>

namespace wtrq {

namespace {

std::string_view trimmed(std::string_view text) {
  const char* space = " \t\r";
  std::size_t first = text.find_first_not_of(space);
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(space);
  return text.substr(first, last - first + 1);
}

bool applyServer(std::string_view value, ScoreSettings& settings) {
  auto server = parseScoreServer(value);
  if (!server) return false;
  settings.server = *server;
  return true;
}

}  // namespace

std::optional<ScoreServerAddress> parseScoreServer(std::string_view text) {
  text = trimmed(text);
  ScoreServerAddress address;
  std::size_t colon = text.rfind(':');
  address.host = std::string(text.substr(0, colon));
  if (address.host.empty() || address.host.find_first_of(" \t:") != std::string::npos) return std::nullopt;
  if (colon != std::string_view::npos) {
    std::string_view portText = text.substr(colon + 1);
    unsigned value = 0;
    auto [end, error] = std::from_chars(portText.data(), portText.data() + portText.size(), value);
    if (portText.empty() || error != std::errc{} || end != portText.data() + portText.size() || value < 1 ||
        value > 65535) {
      return std::nullopt;
    }
    address.port = static_cast<std::uint16_t>(value);
  }
  return address;
}

std::string scoreSettingsPath(const EnvironmentLookup& environment) {
  auto config = environment("XDG_CONFIG_HOME");
  if (config && !config->empty()) return *config + "/wtrq/wtrq.conf";
  auto home = environment("HOME");
  if (home && !home->empty()) return *home + "/.config/wtrq/wtrq.conf";
  return {};
}

void readScoreSettings(std::istream& in, const std::string& fileName, ScoreSettings& settings,
                       std::vector<std::string>& warnings) {
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    std::string_view text = trimmed(line);
    if (text.empty() || text.front() == '#') continue;
    std::string where = fileName + ":" + std::to_string(number) + ": ";
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
      warnings.push_back(where + "expected \"key = value\"");
      continue;
    }
    std::string_view key = trimmed(text.substr(0, equals));
    std::string_view value = trimmed(text.substr(equals + 1));
    if (key == "score_server") {
      if (!applyServer(value, settings)) warnings.push_back(where + "not a host[:port]: \"" + std::string(value) + "\"");
    } else if (key == "score_page") {
      settings.page = std::string(value);
    }
  }
}

ScoreSettings loadScoreSettings(const EnvironmentLookup& environment, std::vector<std::string>& warnings) {
  ScoreSettings settings;
  std::string path = scoreSettingsPath(environment);
  if (!path.empty()) {
    std::ifstream file(path);
    if (file) readScoreSettings(file, path, settings, warnings);
  }
  if (auto server = environment("WTRQ_SCORE_SERVER")) {
    if (!applyServer(*server, settings)) {
      warnings.push_back("WTRQ_SCORE_SERVER: not a host[:port]: \"" + *server + "\"");
    }
  }
  if (auto page = environment("WTRQ_SCORE_PAGE")) settings.page = *page;
  return settings;
}

EnvironmentLookup processEnvironment() {
  return [](const char* name) -> std::optional<std::string> {
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
  };
}

}  // namespace wtrq
