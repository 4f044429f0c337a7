// A byte-at-a-time state machine that reads one request head, with size limits, and no socket.
#pragma once

#include <cstddef>
#include <string_view>

#include "Request.h"

namespace scores {

enum class ParseStatus {
  incomplete,
  complete,
  badRequest,        // not a request line, or a broken header line
  lineTooLong,       // request line over the limit
  headersTooLarge,   // header section over the limit, or too many header lines
  versionNotSupported,
};

struct ParserLimits {
  std::size_t maxRequestLine = 2048;
  std::size_t maxHeaderBytes = 8192;
  std::size_t maxHeaderLines = 64;
};

class RequestParser {
 public:
  explicit RequestParser(ParserLimits limits = {});

  // Feeds bytes; returns how many were used. Parsing stops at the end of the head or at
  // the first error, so bytes after it (a body, a second request) are left unused.
  std::size_t feed(std::string_view bytes);

  ParseStatus status() const { return status_; }
  // Meaningful once status() is complete; the form is known as soon as the version is read.
  const Request& request() const { return request_; }
  bool finished() const { return status_ != ParseStatus::incomplete; }

 private:
  enum class State {
    method,
    beforeTarget,
    target,
    version,
    requestLineEnd,  // a CR was seen at the end of the request line
    headerLineStart,
    headerName,
    headerValue,
    headerLineEnd,
    finalLineEnd,
  };

  void step(char c);
  void finishRequestLine();
  void fail(ParseStatus why) { status_ = why; }

  ParserLimits limits_;
  State state_ = State::method;
  ParseStatus status_ = ParseStatus::incomplete;
  Request request_;
  std::string version_;
  std::size_t lineBytes_ = 0;
  std::size_t headerBytes_ = 0;
  std::size_t headerLines_ = 0;
};

}  // namespace scores
