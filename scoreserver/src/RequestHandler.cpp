// Routes: the game's save path, the score page, the JSON list; everything else is refused.
#include "RequestHandler.h"

#include <charconv>

#include "ReplyFormat.h"
#include "ScorePage.h"
#include "Target.h"

namespace scores {

namespace {

constexpr const char* savePath = "/teamweb/wtrq/save.php";
constexpr const char* pagePath = "/teamweb/wtrq/";
constexpr const char* jsonPath = "/teamweb/wtrq/scores.json";

bool isHttp(const Request& request) { return request.form != RequestForm::simple; }

std::string answer(const Request& request, const HttpResponse& response) {
  return httpBytes(response, request.method == "HEAD", request.form == RequestForm::http11);
}

std::string plainError(const Request& request, int status, std::string text) {
  return answer(request, HttpResponse{status, "text/plain; charset=utf-8", std::move(text) + "\n", {}});
}

// Page numbers outside 1..a billion fall back to the first page rather than failing.
std::int64_t pageNumber(const Target& target) {
  auto text = target.parameter("page");
  if (!text) return 1;
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error != std::errc{} || end != text->data() + text->size() || value < 1 || value > 1'000'000'000) {
    return 1;
  }
  return value;
}

}  // namespace

std::string RequestHandler::refusal(ParseStatus status, const Request& partial) {
  // Neither has a version the answer could follow: an over-long first line has not shown
  // one yet, and an unknown one is no use. Only HTTP clients send either, so answer in 1.0.
  if (status == ParseStatus::lineTooLong || status == ParseStatus::versionNotSupported) {
    Request http10 = partial;
    http10.form = RequestForm::http10;
    return status == ParseStatus::lineTooLong ? plainError(http10, 414, "Request line too long")
                                              : plainError(http10, 505, "HTTP version not supported");
  }
  // The game's form has no status line to carry a refusal: just close.
  if (partial.form == RequestForm::simple) return {};
  switch (status) {
    case ParseStatus::headersTooLarge:
      return plainError(partial, 431, "Request headers too large");
    default:
      return plainError(partial, 400, "Bad request");
  }
}

std::string RequestHandler::timedOut(const Request& partial) {
  if (partial.form == RequestForm::simple) return {};
  return plainError(partial, 408, "Request timeout");
}

void RequestHandler::handle(const Request& request, Respond respond) {
  bool known = request.method == "GET" || request.method == "HEAD";
  if (!known || (!isHttp(request) && request.method != "GET")) {
    if (!isHttp(request)) return respond({});
    HttpResponse refused{405, "text/plain; charset=utf-8", "Method not allowed\n", {{"Allow", "GET, HEAD"}}};
    return respond(answer(request, refused));
  }
  auto target = splitTarget(request.target);
  if (!target) {
    if (!isHttp(request)) return respond({});
    return respond(plainError(request, 400, "Bad request target"));
  }
  if (target->path == savePath) return exchange(request, std::move(respond));
  if (!isHttp(request)) return respond({});

  if (target->path == pagePath || target->path == "/teamweb/wtrq/index.html") {
    return page(request, pageNumber(*target), std::move(respond));
  }
  if (target->path == jsonPath) {
    HttpResponse json{200, "application/json", jsonList(*keeper_.best()), {}};
    return respond(answer(request, json));
  }
  if (target->path == "/" || target->path == "/teamweb/wtrq") {
    HttpResponse moved{301, "text/plain; charset=utf-8", "See /teamweb/wtrq/\n", {{"Location", pagePath}}};
    return respond(answer(request, moved));
  }
  respond(plainError(request, 404, "Not found"));
}

void RequestHandler::exchange(const Request& request, Respond respond) {
  auto target = splitTarget(request.target);
  bool fetch = target->parameter("fetch") == "1";
  auto reply = [request, fetch, respond](const std::vector<ScoreEntry>& best) {
    std::string body = bareList(fetch ? best : std::vector<ScoreEntry>{});
    if (request.form == RequestForm::simple) return respond(std::move(body));
    respond(answer(request, HttpResponse{200, "text/plain; charset=utf-8", std::move(body), {}}));
  };

  SubmissionResult submission = checkSubmission(*target);
  // A HEAD request only looks; it never stores.
  if (submission.verdict != SubmissionVerdict::accepted || request.method == "HEAD") {
    return reply(*keeper_.best());
  }
  keeper_.submit(std::move(submission.entry), [this, request, respond, reply](bool stored) {
    if (stored) return reply(*keeper_.best());
    // Never answer as if the score were kept when it was not.
    if (request.form == RequestForm::simple) return respond({});
    respond(plainError(request, 503, "Score not stored, try again later"));
  });
}

void RequestHandler::page(const Request& request, std::int64_t pageNumber, Respond respond) {
  keeper_.read([request, pageNumber, respond](ScoreStore& store) {
    try {
      std::int64_t total = store.count();
      auto rows = store.ranked((pageNumber - 1) * scoresPerPage, scoresPerPage);
      HttpResponse html{200, "text/html; charset=utf-8", scorePage(rows, pageNumber, total), {}};
      respond(answer(request, html));
    } catch (const std::exception&) {
      respond(plainError(request, 503, "Scores cannot be read right now"));
    }
  });
}

}  // namespace scores
