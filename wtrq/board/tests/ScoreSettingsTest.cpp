// Settings: the server address form, the file's lines, and the environment over the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "wtrq/board/ScoreSettings.h"

namespace wtrq {
namespace {

TEST(ScoreSettings, ServerAddress) {
  struct Case {
    const char* text;
    std::optional<ScoreServerAddress> address;
  };
  const Case cases[] = {
      {"scores.example.org", ScoreServerAddress{"scores.example.org", 80}},
      {"127.0.0.1:8642", ScoreServerAddress{"127.0.0.1", 8642}},
      {"  host:1  ", ScoreServerAddress{"host", 1}},
      {"host:65535", ScoreServerAddress{"host", 65535}},
      {"host:0", std::nullopt},
      {"host:65536", std::nullopt},
      {"host:", std::nullopt},
      {"host:8x", std::nullopt},
      {":8642", std::nullopt},
      {"", std::nullopt},
      {"two words", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parseScoreServer(c.text), c.address) << c.text;
}

TEST(ScoreSettings, FileLines) {
  std::istringstream file(
      "# scores go to the club's server\n"
      "\n"
      "score_server = club.example:9000\n"
      "score_page=http://club.example/scores\n"
      "music_volume = 3\n"
      "this line is broken\n"
      "score_server = bad:port\n");
  ScoreSettings settings;
  std::vector<std::string> warnings;
  readScoreSettings(file, "wtrq.conf", settings, warnings);
  EXPECT_EQ(settings.server, (ScoreServerAddress{"club.example", 9000}));
  EXPECT_EQ(settings.page, "http://club.example/scores");
  EXPECT_EQ(warnings, (std::vector<std::string>{"wtrq.conf:6: expected \"key = value\"",
                                                "wtrq.conf:7: not a host[:port]: \"bad:port\""}));
}

class SettingsFolder : public ::testing::Test {
 protected:
  SettingsFolder() {
    folder = std::filesystem::temp_directory_path() / ("wtrq-settings-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder / "wtrq");
  }
  ~SettingsFolder() override { std::filesystem::remove_all(folder); }

  EnvironmentLookup environment() {
    return [this](const char* name) -> std::optional<std::string> {
      auto found = variables.find(name);
      if (found == variables.end()) return std::nullopt;
      return found->second;
    };
  }

  std::filesystem::path folder;
  std::map<std::string, std::string> variables;
};

TEST_F(SettingsFolder, DefaultsPointAtALocalServer) {
  variables["XDG_CONFIG_HOME"] = (folder / "none").string();  // no file there: no error either
  std::vector<std::string> warnings;
  ScoreSettings settings = loadScoreSettings(environment(), warnings);
  EXPECT_EQ(settings.server, (ScoreServerAddress{"127.0.0.1", 8642}));
  EXPECT_EQ(settings.page, "http://127.0.0.1:8642/teamweb/wtrq/");
  EXPECT_TRUE(warnings.empty());
}

TEST_F(SettingsFolder, EnvironmentOverridesTheFile) {
  std::ofstream(folder / "wtrq" / "wtrq.conf") << "score_server = file.example\nscore_page = from-file\n";
  variables["XDG_CONFIG_HOME"] = folder.string();
  std::vector<std::string> warnings;
  ScoreSettings fromFile = loadScoreSettings(environment(), warnings);
  EXPECT_EQ(fromFile.server, (ScoreServerAddress{"file.example", 80}));
  EXPECT_EQ(fromFile.page, "from-file");

  variables["WTRQ_SCORE_SERVER"] = "env.example:7000";
  variables["WTRQ_SCORE_PAGE"] = "from-env";
  ScoreSettings fromEnvironment = loadScoreSettings(environment(), warnings);
  EXPECT_EQ(fromEnvironment.server, (ScoreServerAddress{"env.example", 7000}));
  EXPECT_EQ(fromEnvironment.page, "from-env");

  variables["WTRQ_SCORE_SERVER"] = "env.example:nope";
  ScoreSettings badEnvironment = loadScoreSettings(environment(), warnings);
  EXPECT_EQ(badEnvironment.server, (ScoreServerAddress{"file.example", 80}));
  EXPECT_EQ(warnings, (std::vector<std::string>{"WTRQ_SCORE_SERVER: not a host[:port]: \"env.example:nope\""}));
}

TEST_F(SettingsFolder, FileUnderHomeWithoutConfigVariable) {
  std::filesystem::create_directories(folder / ".config" / "wtrq");
  std::ofstream(folder / ".config" / "wtrq" / "wtrq.conf") << "score_server = home.example:81\n";
  variables["HOME"] = folder.string();
  std::vector<std::string> warnings;
  EXPECT_EQ(loadScoreSettings(environment(), warnings).server, (ScoreServerAddress{"home.example", 81}));
}

}  // namespace
}  // namespace wtrq
