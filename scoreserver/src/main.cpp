// wtrq-scores: the score server of wtrq, its page and its JSON list.
#include <asio.hpp>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sys/resource.h>

#include "PostgresScoreStore.h"
#include "RequestHandler.h"
#include "ScoreKeeper.h"
#include "Server.h"
#include "ServerOptions.h"
#include "SqliteScoreStore.h"

namespace {

std::unique_ptr<scores::ScoreStore> openStore(const scores::ServerOptions& options) {
  if (!options.postgres.empty()) return std::make_unique<scores::PostgresScoreStore>(options.postgres);
  std::filesystem::path file(options.databaseFile);
  if (file.has_parent_path()) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) {
      throw scores::StoreError("cannot create the folder " + file.parent_path().string() + ": " +
                               error.message());
    }
  }
  return std::make_unique<scores::SqliteScoreStore>(options.databaseFile, options.syncEveryCommit);
}

}  // namespace

int main(int argc, char** argv) {
  // A reader of our output that went away (a closed log pipe) must not end the server.
  std::signal(SIGPIPE, SIG_IGN);
  // Each client takes a descriptor; the usual soft limit of 1024 is below the default cap.
  rlimit files{};
  if (getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);
  }
  scores::ServerOptions options;
  try {
    options = scores::parseServerOptions(std::vector<std::string>(argv + 1, argv + argc),
                                         [](const char* name) -> std::optional<std::string> {
                                           const char* value = std::getenv(name);
                                           if (!value) return std::nullopt;
                                           return std::string(value);
                                         });
  } catch (const std::invalid_argument& error) {
    std::fprintf(stderr, "wtrq-scores: %s\n", error.what());
    return 2;
  }
  if (options.help) {
    std::fputs(scores::serverUsage(), stdout);
    return 0;
  }

  try {
    // The loop outlives the keeper: answers the keeper posts while draining still find it.
    asio::io_context io(1);
    scores::ScoreKeeper keeper(openStore(options));
    scores::RequestHandler handler(keeper);
    scores::ServerLimits limits;
    limits.maxConnections = options.maxConnections;
    limits.connection.requestTimeout = options.requestTimeout;
    asio::ip::tcp::endpoint endpoint(asio::ip::make_address(options.address), options.port);
    scores::Server server(io, endpoint, handler, limits);

    asio::signal_set signals(io, SIGTERM, SIGINT);
    signals.async_wait([&](const asio::error_code& error, int) {
      if (!error) server.stop();
    });
    std::printf("wtrq-scores: serving http://%s:%u/teamweb/wtrq/ from %s\n", options.address.c_str(),
                server.port(), options.postgres.empty() ? options.databaseFile.c_str() : "PostgreSQL");
    std::fflush(stdout);
    io.run();
    std::printf("wtrq-scores: stopped\n");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "wtrq-scores: %s\n", error.what());
    return 1;
  }
  return 0;
}
