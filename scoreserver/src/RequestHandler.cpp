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

// What the framing of an answer depends on; small enough to keep with a submission that
// waits for its commit, where the whole request would be copied for nothing.
struct Framing {
  RequestForm form;
  bool headOnly;

  explicit Framing(const Request& request) : form(request.form), headOnly(request.method == "HEAD") {}
};

std::string answer(Framing framing, const HttpResponse& response) {
  return httpBytes(response, framing.headOnly, framing.form == RequestForm::http11);
}

std::string plainError(Framing framing, int status, std::string text) {
  return answer(framing, HttpResponse{status, "text/plain; charset=utf-8", std::move(text) + "\n", {}});
}

std::string answer(const Request& request, const HttpResponse& response) {
  return answer(Framing(request), response);
}

std::string plainError(const Request& request, int status, std::string text) {
  return plainError(Framing(request), status, std::move(text));
}

// The game's form is the bare list; an HTTP client gets the same list as a plain text body.
std::string listAnswer(Framing framing, bool fetch, const std::string& gameList) {
  static const std::string noList = "!";
  const std::string& body = fetch ? gameList : noList;
  if (framing.form == RequestForm::simple) return body;
  return answer(framing, HttpResponse{200, "text/plain; charset=utf-8", body, {}});
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
  if (target->path == savePath) return exchange(request, *target, std::move(respond));
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

void RequestHandler::exchange(const Request& request, const Target& target, Respond respond) {
  bool fetch = target.parameter("fetch") == "1";
  Framing framing(request);
  SubmissionResult submission = checkSubmission(target);
  // A HEAD request only looks; it never stores.
  if (submission.verdict != SubmissionVerdict::accepted || framing.headOnly) {
    return respond(listAnswer(framing, fetch, *keeper_.bestGameList()));
  }
  keeper_.submit(std::move(submission.entry), [this, framing, fetch, respond = std::move(respond)](bool stored) {
    if (stored) return respond(listAnswer(framing, fetch, *keeper_.bestGameList()));
    // Never answer as if the score were kept when it was not.
    if (framing.form == RequestForm::simple) return respond({});
    respond(plainError(framing, 503, "Score not stored, try again later"));
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
