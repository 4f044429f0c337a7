// wtrq-scores-load: submissions per second against a running wtrq-scores (loopback only).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "LoadClient.h"

namespace {

int usage() {
  std::fputs("usage: wtrq-scores-load [--port N] [--clients N] [--requests N] [--seconds S] [--tag T]\n"
             "Sends the game's line from N concurrent clients to 127.0.0.1, one connection each,\n"
             "and prints the submissions answered per second. Names are T followed by a number.\n",
             stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  scores::LoadPlan plan;
  plan.port = 8642;
  plan.requests = 200000;
  plan.timeLimit = std::chrono::seconds(20);
  std::string tag = "load";
  for (int i = 1; i < argc; ++i) {
    std::string option = argv[i];
    if (i + 1 >= argc) return usage();
    long value = std::atol(argv[i + 1]);
    if (option == "--port") {
      plan.port = static_cast<unsigned short>(value);
    } else if (option == "--clients") {
      plan.concurrency = static_cast<std::size_t>(value);
    } else if (option == "--requests") {
      plan.requests = static_cast<std::size_t>(value);
    } else if (option == "--seconds") {
      plan.timeLimit = std::chrono::seconds(value);
    } else if (option == "--tag") {
      tag = argv[i + 1];
    } else {
      return usage();
    }
    ++i;
  }
  if (plan.concurrency == 0 || plan.requests == 0 || tag.size() > 8) return usage();
  plan.request = [&tag](std::size_t index) {
    return scores::gameLine(tag + std::to_string(index), static_cast<int>(index % 100000));
  };
  scores::LoadResult result = scores::runLoad(plan);
  std::printf("clients %zu, answered %zu, failed %zu, %.2f s, %.0f submissions/s\n", plan.concurrency,
              result.answered.size(), result.failed, result.seconds,
              result.answered.size() / result.seconds);
  if (result.failed) std::printf("first failure: %s\n", result.firstFailure.c_str());
  return result.failed ? 1 : 0;
}
