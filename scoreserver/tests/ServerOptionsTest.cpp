// wtrq-scores' command line: defaults, each option, and the message for each mistake.
#include <gtest/gtest.h>

#include <map>

#include "ServerOptions.h"

namespace scores {
namespace {

EnvironmentLookup environmentOf(std::map<std::string, std::string> variables) {
  return [variables](const char* name) -> std::optional<std::string> {
    auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
  };
}

TEST(ServerOptions, Defaults) {
  ServerOptions options = parseServerOptions({}, environmentOf({{"XDG_DATA_HOME", "/d"}, {"HOME", "/h"}}));
  EXPECT_EQ(options.address, "127.0.0.1");
  EXPECT_EQ(options.port, 8642);
  EXPECT_EQ(options.databaseFile, "/d/wtrq-scores/scores.db");
  EXPECT_TRUE(options.postgres.empty());
  EXPECT_TRUE(options.syncEveryCommit);
  EXPECT_EQ(parseServerOptions({}, environmentOf({{"HOME", "/h"}})).databaseFile,
            "/h/.local/share/wtrq-scores/scores.db");
}

TEST(ServerOptions, Given) {
  ServerOptions options =
      parseServerOptions({"--listen", "[::1]:9000", "--postgres", "dbname=w", "--max-connections", "10",
                          "--request-timeout-ms", "250"},
                         environmentOf({}));
  EXPECT_EQ(options.address, "::1");
  EXPECT_EQ(options.port, 9000);
  EXPECT_EQ(options.postgres, "dbname=w");
  EXPECT_TRUE(options.databaseFile.empty());
  EXPECT_EQ(options.maxConnections, 10u);
  EXPECT_EQ(options.requestTimeout, std::chrono::milliseconds(250));
  EXPECT_FALSE(parseServerOptions({"--db", "x.db", "--sync", "normal"}, environmentOf({})).syncEveryCommit);
}

TEST(ServerOptions, Mistakes) {
  struct Case {
    std::vector<std::string> arguments;
    const char* message;
  };
  const Case cases[] = {
      {{"--listen", "8642"}, "--listen: expected ADDR:PORT, got \"8642\""},
      {{"--listen", "127.0.0.1:70000"}, "--listen: expected a number from 0 to 65535, got \"70000\""},
      {{"--listen", "[::1:80"}, "--listen: broken [IPv6] address in \"[::1:80\""},
      {{"--db"}, "--db: a value is missing"},
      {{"--db", "a", "--postgres", "b"}, "--db and --postgres: give one storage, not both"},
      {{"--sync", "sometimes"}, "--sync: expected full or normal, got \"sometimes\""},
      {{"--max-connections", "0"}, "--max-connections: expected a number from 1 to 1000000, got \"0\""},
      {{"--verbose"}, "unknown option \"--verbose\"; see --help"},
  };
  for (const Case& c : cases) {
    try {
      parseServerOptions(c.arguments, environmentOf({}));
      ADD_FAILURE() << "accepted: " << c.message;
    } catch (const std::invalid_argument& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace scores
