// The texts the server answers with: the game's bare list, JSON, and HTTP response framing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Submission.h"

namespace scores {

// "name|score&name|score!" with "+" for every space, the form the game reads.
std::string bareList(const std::vector<ScoreEntry>& rows);

// {"scores":[{"rank":1,"name":"anna","score":1200},...]}
std::string jsonList(const std::vector<ScoreEntry>& rows);

std::string htmlEscape(std::string_view text);

struct HttpResponse {
  int status = 200;
  std::string contentType = "text/plain; charset=utf-8";
  std::string body;
  std::vector<std::pair<std::string, std::string>> extraHeaders;
};

// Status line, headers and (unless headOnly) the body; every response closes the connection.
std::string httpBytes(const HttpResponse& response, bool headOnly, bool http11);

}  // namespace scores
