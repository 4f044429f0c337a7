// Request parser: the game's simple line, HTTP/1.x heads, and every way a head is refused.
#include <gtest/gtest.h>

#include <string>

#include "RequestParser.h"

namespace scores {
namespace {

struct ParseCase {
  const char* name;
  std::string bytes;
  ParseStatus status;
  RequestForm form;
  const char* method;
  const char* target;
};

const ParseCase parseCases[] = {
    {"game line", "GET /teamweb/wtrq/save.php?name=anna&score=1&checksum=314&fetch=1\n",
     ParseStatus::complete, RequestForm::simple, "GET", "/teamweb/wtrq/save.php?name=anna&score=1&checksum=314&fetch=1"},
    {"simple with CR LF", "GET /a\r\n", ParseStatus::complete, RequestForm::simple, "GET", "/a"},
    {"HTTP/1.1 with headers", "GET /teamweb/wtrq/ HTTP/1.1\r\nHost: x\r\nAccept: */*\r\n\r\n",
     ParseStatus::complete, RequestForm::http11, "GET", "/teamweb/wtrq/"},
    {"HTTP/1.0 without headers", "HEAD / HTTP/1.0\r\n\r\n", ParseStatus::complete, RequestForm::http10, "HEAD", "/"},
    {"bare line feeds", "GET /x HTTP/1.1\nHost: y\n\n", ParseStatus::complete, RequestForm::http11, "GET", "/x"},
    {"empty header value", "GET /x HTTP/1.1\r\nX-Empty:\r\n\r\n", ParseStatus::complete, RequestForm::http11, "GET", "/x"},
    {"line not ended yet", "GET /teamweb/wtrq/save.php?name=a", ParseStatus::incomplete, RequestForm::simple, "GET", ""},
    {"headers not ended yet", "GET / HTTP/1.1\r\nHost: x\r\n", ParseStatus::incomplete, RequestForm::http11, "GET", "/"},
    {"lower-case method", "get /\n", ParseStatus::badRequest, RequestForm::simple, "", ""},
    {"no target", "GET \n", ParseStatus::badRequest, RequestForm::simple, "GET", ""},
    {"two spaces before target", "GET  /\n", ParseStatus::badRequest, RequestForm::simple, "GET", ""},
    {"control byte in target", std::string("GET /a\x01" "b\n"), ParseStatus::badRequest, RequestForm::simple, "GET", ""},
    {"byte above 127 in target", "GET /\xc3\xa4\n", ParseStatus::badRequest, RequestForm::simple, "GET", ""},
    {"CR without LF", "GET /a\rX", ParseStatus::badRequest, RequestForm::simple, "GET", ""},
    {"not a version", "GET / HTTQ/1.1\r\n\r\n", ParseStatus::badRequest, RequestForm::simple, "GET", ""},
    {"version 2.0", "GET / HTTP/2.0\r\n\r\n", ParseStatus::versionNotSupported, RequestForm::simple, "GET", ""},
    {"version 0.9", "GET / HTTP/0.9\r\n\r\n", ParseStatus::versionNotSupported, RequestForm::simple, "GET", ""},
    {"header without colon", "GET / HTTP/1.1\r\nHost x\r\n\r\n", ParseStatus::badRequest, RequestForm::http11, "GET", ""},
    {"folded header line", "GET / HTTP/1.1\r\nA: b\r\n c\r\n\r\n", ParseStatus::badRequest, RequestForm::http11, "GET", ""},
    {"NUL in header value", std::string("GET / HTTP/1.1\r\nA: b\0c\r\n\r\n", 26), ParseStatus::badRequest, RequestForm::http11, "GET", ""},
    {"method too long", "ABCDEFGHIJKLMNOPQ /\n", ParseStatus::badRequest, RequestForm::simple, "", ""},
};

class RequestParserCases : public ::testing::TestWithParam<ParseCase> {};

TEST_P(RequestParserCases, WholeAndByteByByteAgree) {
  const ParseCase& c = GetParam();
  RequestParser whole;
  whole.feed(c.bytes);
  EXPECT_EQ(whole.status(), c.status);
  if (c.status == ParseStatus::complete || c.status == ParseStatus::incomplete) {
    EXPECT_EQ(whole.request().form, c.form);
    EXPECT_EQ(whole.request().method, c.method);
  }
  if (c.status == ParseStatus::complete) {
    EXPECT_EQ(whole.request().target, c.target);
  }

  RequestParser bytes;
  for (char b : c.bytes) bytes.feed(std::string_view(&b, 1));
  EXPECT_EQ(bytes.status(), whole.status());
  EXPECT_EQ(bytes.request().target, whole.request().target);
}

INSTANTIATE_TEST_SUITE_P(RequestParser, RequestParserCases, ::testing::ValuesIn(parseCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name) if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

TEST(RequestParser, StopsAtTheEndOfTheHeadAndLeavesTheRest) {
  RequestParser parser;
  std::string bytes = "GET /a\nGET /b\n";
  EXPECT_EQ(parser.feed(bytes), 7u);
  EXPECT_EQ(parser.request().target, "/a");
  // Once finished it takes nothing more.
  EXPECT_EQ(parser.feed("more"), 0u);
}

struct LimitCase {
  const char* name;
  std::string bytes;
  ParseStatus status;
};

ParserLimits smallLimits() {
  ParserLimits limits;
  limits.maxRequestLine = 20;
  limits.maxHeaderBytes = 30;
  limits.maxHeaderLines = 2;
  return limits;
}

TEST(RequestParser, Limits) {
  const LimitCase cases[] = {
      // "GET /" + 14 bytes + "\n": the line end counts, 20 bytes fit exactly.
      {"line at the limit", "GET /" + std::string(14, 'a') + "\n", ParseStatus::complete},
      {"line one over", "GET /" + std::string(15, 'a') + "\n", ParseStatus::lineTooLong},
      {"endless line", "GET /" + std::string(1000, 'a'), ParseStatus::lineTooLong},
      {"two header lines", "GET / HTTP/1.1\r\nA: 1\r\nB: 2\r\n\r\n", ParseStatus::complete},
      {"three header lines", "GET / HTTP/1.1\r\nA: 1\r\nB: 2\r\nC: 3\r\n\r\n", ParseStatus::headersTooLarge},
      {"one long header", "GET / HTTP/1.1\r\nA: " + std::string(40, 'x') + "\r\n\r\n", ParseStatus::headersTooLarge},
      {"endless header name", "GET / HTTP/1.1\r\n" + std::string(100, 'A'), ParseStatus::headersTooLarge},
  };
  for (const LimitCase& c : cases) {
    RequestParser parser(smallLimits());
    parser.feed(c.bytes);
    EXPECT_EQ(parser.status(), c.status) << c.name;
  }
}

}  // namespace
}  // namespace scores
