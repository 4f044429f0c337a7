// Many concurrent clients that each open a connection, send one line and read the reply.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace scores {

struct LoadPlan {
  std::string host = "127.0.0.1";
  unsigned short port = 0;
  std::size_t concurrency = 64;
  std::size_t requests = 1000;                   // in total, over all clients
  std::chrono::milliseconds timeLimit{30000};    // the run stops by itself after this
  std::chrono::milliseconds requestTimeout{10000};
  // The bytes client request number i sends.
  std::function<std::string(std::size_t index)> request;
  // Told after every answer how many have arrived so far; false starts no further requests.
  std::function<bool(std::size_t answered)> onAnswered;
};

struct LoadResult {
  std::vector<std::size_t> answered;  // requests whose whole reply (up to "!") arrived
  std::size_t failed = 0;
  double seconds = 0;
  std::string firstFailure;
};

LoadResult runLoad(const LoadPlan& plan);

// The game's line for a name and score, check value included.
std::string gameLine(const std::string& name, int score);

}  // namespace scores
