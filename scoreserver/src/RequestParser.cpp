// Request head parser: the simple form ends at the target's line end, HTTP/1.x at an empty line.
#include "RequestParser.h"

namespace scores {

namespace {

constexpr std::size_t maxMethodLength = 16;
constexpr std::size_t maxVersionLength = 16;

bool isUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
// Visible ASCII only: a target with control bytes or bytes above 127 is refused outright.
bool isTargetByte(char c) { return c > ' ' && c < 127; }
bool isTokenByte(char c) {
  if (c >= 'a' && c <= 'z') return true;
  if (c >= 'A' && c <= 'Z') return true;
  if (c >= '0' && c <= '9') return true;
  switch (c) {
    case '!': case '#': case '$': case '%': case '&': case '\'': case '*': case '+':
    case '-': case '.': case '^': case '_': case '`': case '|': case '~':
      return true;
    default:
      return false;
  }
}
bool isValueByte(char c) {
  auto u = static_cast<unsigned char>(c);
  return c == '\t' || (u >= ' ' && u != 127);
}

}  // namespace

RequestParser::RequestParser(ParserLimits limits) : limits_(limits) {}

std::size_t RequestParser::feed(std::string_view bytes) {
  std::size_t used = 0;
  while (used < bytes.size() && status_ == ParseStatus::incomplete) {
    step(bytes[used]);
    ++used;
  }
  return used;
}

void RequestParser::finishRequestLine() {
  if (version_.empty()) {
    request_.form = RequestForm::simple;
    status_ = ParseStatus::complete;
    return;
  }
  if (version_ == "HTTP/1.1") {
    request_.form = RequestForm::http11;
  } else if (version_ == "HTTP/1.0") {
    request_.form = RequestForm::http10;
  } else if (version_.size() == 8 && version_.compare(0, 5, "HTTP/") == 0 &&
             version_[5] >= '0' && version_[5] <= '9' && version_[6] == '.' &&
             version_[7] >= '0' && version_[7] <= '9') {
    fail(ParseStatus::versionNotSupported);
    return;
  } else {
    fail(ParseStatus::badRequest);
    return;
  }
  state_ = State::headerLineStart;
}

void RequestParser::step(char c) {
  bool inRequestLine = state_ == State::method || state_ == State::beforeTarget ||
                       state_ == State::target || state_ == State::version;
  if (inRequestLine && ++lineBytes_ > limits_.maxRequestLine) {
    fail(ParseStatus::lineTooLong);
    return;
  }
  bool inHeaders = state_ == State::headerLineStart || state_ == State::headerName ||
                   state_ == State::headerValue || state_ == State::headerLineEnd ||
                   state_ == State::finalLineEnd;
  if (inHeaders && ++headerBytes_ > limits_.maxHeaderBytes) {
    fail(ParseStatus::headersTooLarge);
    return;
  }

  switch (state_) {
    case State::method:
      if (isUpperLetter(c) && request_.method.size() < maxMethodLength) {
        request_.method.push_back(c);
      } else if (c == ' ' && !request_.method.empty()) {
        state_ = State::beforeTarget;
      } else {
        fail(ParseStatus::badRequest);
      }
      return;
    case State::beforeTarget:
      if (isTargetByte(c)) {
        request_.target.push_back(c);
        state_ = State::target;
      } else {
        fail(ParseStatus::badRequest);
      }
      return;
    case State::target:
      if (isTargetByte(c)) {
        request_.target.push_back(c);
      } else if (c == ' ') {
        state_ = State::version;
      } else if (c == '\r') {
        state_ = State::requestLineEnd;
      } else if (c == '\n') {
        finishRequestLine();
      } else {
        fail(ParseStatus::badRequest);
      }
      return;
    case State::version:
      if (c == '\r' && !version_.empty()) {
        state_ = State::requestLineEnd;
      } else if (c == '\n' && !version_.empty()) {
        finishRequestLine();
      } else if (isTargetByte(c) && version_.size() < maxVersionLength) {
        version_.push_back(c);
      } else {
        fail(ParseStatus::badRequest);
      }
      return;
    case State::requestLineEnd:
      if (c == '\n') {
        finishRequestLine();
      } else {
        fail(ParseStatus::badRequest);
      }
      return;
    case State::headerLineStart:
      if (c == '\r') {
        state_ = State::finalLineEnd;
      } else if (c == '\n') {
        status_ = ParseStatus::complete;
      } else if (isTokenByte(c)) {
        if (++headerLines_ > limits_.maxHeaderLines) {
          fail(ParseStatus::headersTooLarge);
          return;
        }
        state_ = State::headerName;
      } else {
        // Leading white space would be an obsolete line folding; nobody needs it here.
        fail(ParseStatus::badRequest);
      }
      return;
    case State::headerName:
      if (c == ':') {
        state_ = State::headerValue;
      } else if (!isTokenByte(c)) {
        fail(ParseStatus::badRequest);
      }
      return;
    case State::headerValue:
      if (c == '\r') {
        state_ = State::headerLineEnd;
      } else if (c == '\n') {
        state_ = State::headerLineStart;
      } else if (!isValueByte(c)) {
        fail(ParseStatus::badRequest);
      }
      return;
    case State::headerLineEnd:
      if (c == '\n') {
        state_ = State::headerLineStart;
      } else {
        fail(ParseStatus::badRequest);
      }
      return;
    case State::finalLineEnd:
      if (c == '\n') {
        status_ = ParseStatus::complete;
      } else {
        fail(ParseStatus::badRequest);
      }
      return;
  }
}

}  // namespace scores
