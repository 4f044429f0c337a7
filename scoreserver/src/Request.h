// One parsed request: the game's bare request line or an HTTP/1.x request head.
#pragma once

#include <string>

namespace scores {

enum class RequestForm {
  simple,  // the game's line: method and target, no version, no headers
  http10,
  http11,
};

struct Request {
  std::string method;
  std::string target;
  RequestForm form = RequestForm::simple;
};

}  // namespace scores
