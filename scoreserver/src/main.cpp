// wtrq-scores: the score server of wtrq, its page and its JSON list.
#include <asio.hpp>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <sys/resource.h>
#include <thread>
#include <vector>

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
    // One network thread per two processors: the keeper's thread and the kernel's own work on
    // every connection (most of the cost of a submission) need the others. On two processors a
    // second loop only adds wake-ups and smaller batches.
    unsigned threads =
        options.threads ? options.threads : std::clamp(std::thread::hardware_concurrency() / 2, 1u, 4u);
    // The loops outlive the keeper: answers the keeper posts while draining still find them.
    std::vector<std::unique_ptr<asio::io_context>> loops;
    for (unsigned i = 0; i < threads; ++i) loops.push_back(std::make_unique<asio::io_context>(1));
    scores::ScoreKeeper keeper(openStore(options));
    scores::RequestHandler handler(keeper);
    scores::ServerLimits limits;
    limits.maxConnections = std::max<std::size_t>(1, (options.maxConnections + threads - 1) / threads);
    limits.connection.requestTimeout = options.requestTimeout;
    limits.shareAddress = threads > 1;
    // One server per loop on the same address; each connection stays on the loop that took
    // it, so nothing of a connection is shared between threads.
    asio::ip::tcp::endpoint endpoint(asio::ip::make_address(options.address), options.port);
    std::vector<std::unique_ptr<scores::Server>> servers;
    for (auto& loop : loops) {
      servers.push_back(std::make_unique<scores::Server>(*loop, endpoint, handler, limits));
      endpoint.port(servers.front()->port());  // a chosen port 0 becomes one port for all
    }

    asio::signal_set signals(*loops.front(), SIGTERM, SIGINT);
    signals.async_wait([&](const asio::error_code& error, int) {
      if (error) return;
      for (std::size_t i = 0; i < loops.size(); ++i) {
        asio::post(*loops[i], [server = servers[i].get()] { server->stop(); });
      }
    });
    std::printf("wtrq-scores: serving http://%s:%u/teamweb/wtrq/ from %s\n", options.address.c_str(),
                endpoint.port(), options.postgres.empty() ? options.databaseFile.c_str() : "PostgreSQL");
    std::fflush(stdout);
    std::vector<std::thread> running;
    for (std::size_t i = 1; i < loops.size(); ++i) running.emplace_back([&loop = *loops[i]] { loop.run(); });
    loops.front()->run();
    for (std::thread& thread : running) thread.join();
    scores::ScoreKeeper::Tally tally = keeper.tally();
    std::printf("wtrq-scores: stopped; %llu scores stored in %llu commits\n",
                static_cast<unsigned long long>(tally.scores), static_cast<unsigned long long>(tally.commits));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "wtrq-scores: %s\n", error.what());
    return 1;
  }
  return 0;
}
