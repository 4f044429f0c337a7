// The command line of wtrq-scores, read into plain settings.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace scores {

constexpr unsigned short defaultPort = 8642;

struct ServerOptions {
  std::string address = "127.0.0.1";
  unsigned short port = defaultPort;
  std::string databaseFile;  // SQLite, unless postgres is set
  std::string postgres;      // libpq connection string
  bool syncEveryCommit = true;
  std::size_t maxConnections = 1024;
  std::chrono::milliseconds requestTimeout{5000};
  unsigned threads = 0;  // network threads; 0 picks one per two processors, 1 to 4
  bool help = false;
};

using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// Throws std::invalid_argument with a message naming the option at fault.
ServerOptions parseServerOptions(const std::vector<std::string>& arguments,
                                 const EnvironmentLookup& environment);

// "ADDR:PORT", "[v6-addr]:PORT"; throws std::invalid_argument.
void parseListenAddress(const std::string& text, std::string& address, unsigned short& port);

const char* serverUsage();

}  // namespace scores
