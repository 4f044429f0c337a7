// Reading wtrq-scores' options; the database defaults to a file under the user's data folder.
#include "ServerOptions.h"

#include <charconv>
#include <stdexcept>

namespace scores {

namespace {

long long number(const std::string& option, const std::string& text, long long low, long long high) {
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < low ||
      value > high) {
    throw std::invalid_argument(option + ": expected a number from " + std::to_string(low) + " to " +
                                std::to_string(high) + ", got \"" + text + "\"");
  }
  return value;
}

std::string defaultDatabase(const EnvironmentLookup& environment) {
  auto data = environment("XDG_DATA_HOME");
  if (data && !data->empty()) return *data + "/wtrq-scores/scores.db";
  auto home = environment("HOME");
  if (home && !home->empty()) return *home + "/.local/share/wtrq-scores/scores.db";
  return "scores.db";
}

}  // namespace

void parseListenAddress(const std::string& text, std::string& address, unsigned short& port) {
  std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) {
    throw std::invalid_argument("--listen: expected ADDR:PORT, got \"" + text + "\"");
  }
  std::string host = text.substr(0, colon);
  if (host.front() == '[') {
    if (host.back() != ']' || host.size() < 3) {
      throw std::invalid_argument("--listen: broken [IPv6] address in \"" + text + "\"");
    }
    host = host.substr(1, host.size() - 2);
  }
  address = host;
  port = static_cast<unsigned short>(number("--listen", text.substr(colon + 1), 0, 65535));
}

ServerOptions parseServerOptions(const std::vector<std::string>& arguments,
                                 const EnvironmentLookup& environment) {
  ServerOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= arguments.size()) throw std::invalid_argument(option + ": a value is missing");
      return arguments[++i];
    };
    if (option == "--listen") {
      parseListenAddress(value(), options.address, options.port);
    } else if (option == "--db") {
      options.databaseFile = value();
    } else if (option == "--postgres") {
      options.postgres = value();
    } else if (option == "--sync") {
      const std::string& mode = value();
      if (mode != "full" && mode != "normal") {
        throw std::invalid_argument("--sync: expected full or normal, got \"" + mode + "\"");
      }
      options.syncEveryCommit = mode == "full";
    } else if (option == "--max-connections") {
      options.maxConnections = static_cast<std::size_t>(number(option, value(), 1, 1'000'000));
    } else if (option == "--request-timeout-ms") {
      options.requestTimeout = std::chrono::milliseconds(number(option, value(), 1, 3'600'000));
    } else if (option == "--threads") {
      options.threads = static_cast<unsigned>(number(option, value(), 1, 64));
    } else if (option == "--help" || option == "-h") {
      options.help = true;
    } else {
      throw std::invalid_argument("unknown option \"" + option + "\"; see --help");
    }
  }
  if (!options.databaseFile.empty() && !options.postgres.empty()) {
    throw std::invalid_argument("--db and --postgres: give one storage, not both");
  }
  if (options.postgres.empty() && options.databaseFile.empty()) {
    options.databaseFile = defaultDatabase(environment);
  }
  return options;
}

const char* serverUsage() {
  return "usage: wtrq-scores [--listen ADDR:PORT] [--db FILE | --postgres CONNINFO]\n"
         "                   [--sync full|normal] [--max-connections N] [--request-timeout-ms MS]\n"
         "                   [--threads N]\n"
         "  --listen ADDR:PORT     where to accept clients (default 127.0.0.1:8642)\n"
         "  --db FILE              SQLite database (default $XDG_DATA_HOME/wtrq-scores/scores.db)\n"
         "  --postgres CONNINFO    keep the scores in PostgreSQL instead, e.g. \"dbname=wtrq\"\n"
         "  --sync full|normal     SQLite: sync the log on every commit (full, the default) or leave\n"
         "                         it to the system (normal: safe when the server dies, not on power loss)\n"
         "  --max-connections N    clients served at once; more wait to be accepted (default 1024)\n"
         "  --request-timeout-ms MS  time a client has to send its request (default 5000)\n"
         "  --threads N            network threads (default: one per two processors, 1 to 4)\n"
         "The game's line and the score page are served at /teamweb/wtrq/.\n";
}

}  // namespace scores
