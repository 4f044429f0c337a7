// Turns a parsed request (or a refused one) into the bytes to answer with; no socket here.
#pragma once

#include <functional>
#include <string>

#include "Request.h"
#include "RequestParser.h"
#include "ScoreKeeper.h"
#include "Target.h"

namespace scores {

class RequestHandler {
 public:
  // Gets the whole answer, possibly on the keeper's thread; empty means close without one.
  using Respond = std::function<void(std::string bytes)>;

  explicit RequestHandler(ScoreKeeper& keeper) : keeper_(keeper) {}

  void handle(const Request& request, Respond respond);

  // The answer to a request head the parser refused, or to one that timed out half-read.
  static std::string refusal(ParseStatus status, const Request& partial);
  static std::string timedOut(const Request& partial);

 private:
  void exchange(const Request& request, const Target& target, Respond respond);
  void page(const Request& request, std::int64_t pageNumber, Respond respond);

  ScoreKeeper& keeper_;
};

}  // namespace scores
