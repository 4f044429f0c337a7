// Submission rules and the target decoding in front of them.
#include <gtest/gtest.h>

#include "Submission.h"
#include "Target.h"

namespace scores {
namespace {

TEST(CheckValue, WrapsLikeThirtyTwoBitArithmetic) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {
      {0, 0},
      {1273, 399722},
      {-1, -314},
      {6839630, -2147323476},   // just past the top of the signed range
      {-6839630, 2147323476},
      {2147483647, -314},
  };
  for (auto [score, check] : cases) EXPECT_EQ(checkValue(score), check) << score;
}

TEST(Target, Decoding) {
  struct Case {
    const char* target;
    bool usable;
    const char* path;
    const char* name;  // the decoded "name" parameter, when there is one
  };
  const Case cases[] = {
      {"/teamweb/wtrq/save.php?name=joe+b&x=1", true, "/teamweb/wtrq/save.php", "joe b"},
      {"/p?name=%41%62c", true, "/p", "Abc"},
      {"/p?a&&name=z&", true, "/p", "z"},
      {"/p?name=", true, "/p", ""},
      {"/p?name=%4", false, "", ""},
      {"/p?name=%zz", false, "", ""},
      {"/p?name=%00", false, "", ""},
      {"/p?name=a%0Ab", false, "", ""},
      {"/a%2", false, "", ""},
  };
  for (const Case& c : cases) {
    auto target = splitTarget(c.target);
    ASSERT_EQ(target.has_value(), c.usable) << c.target;
    if (!target) continue;
    EXPECT_EQ(target->path, c.path) << c.target;
    EXPECT_EQ(target->parameter("name").value_or(""), c.name) << c.target;
  }
}

TEST(Submission, Verdicts) {
  struct Case {
    const char* query;
    SubmissionVerdict verdict;
    const char* name;
    std::int64_t score;
  };
  const Case cases[] = {
      {"name=anna&score=1273&checksum=399722", SubmissionVerdict::accepted, "anna", 1273},
      {"name=unnamed&score=0&checksum=0", SubmissionVerdict::accepted, "unnamed", 0},
      {"name=Joe+B+2&score=1&checksum=314", SubmissionVerdict::accepted, "Joe B 2", 1},
      {"name=abcdefghijklmno&score=1&checksum=314", SubmissionVerdict::accepted, "abcdefghijklmno", 1},
      {"name=a&score=6839630&checksum=-2147323476", SubmissionVerdict::accepted, "a", 6839630},
      {"score=1&checksum=314", SubmissionVerdict::missingField, "", 0},
      {"name=a&checksum=314", SubmissionVerdict::missingField, "", 0},
      {"name=a&score=1", SubmissionVerdict::missingField, "", 0},
      {"name=&score=1&checksum=314", SubmissionVerdict::badName, "", 0},
      {"name=abcdefghijklmnop&score=1&checksum=314", SubmissionVerdict::badName, "", 0},
      {"name=%3Cb%3E&score=1&checksum=314", SubmissionVerdict::badName, "", 0},
      {"name=a_b&score=1&checksum=314", SubmissionVerdict::badName, "", 0},
      {"name=a&score=-5&checksum=-1570", SubmissionVerdict::badScore, "", 0},
      {"name=a&score=%2B5&checksum=1570", SubmissionVerdict::badScore, "", 0},
      {"name=a&score=12x&checksum=3768", SubmissionVerdict::badScore, "", 0},
      {"name=a&score=&checksum=0", SubmissionVerdict::badScore, "", 0},
      {"name=a&score=1000000001&checksum=314000314", SubmissionVerdict::badScore, "", 0},
      {"name=a&score=99999999999999999999&checksum=0", SubmissionVerdict::badScore, "", 0},
      {"name=a&score=1273&checksum=399723", SubmissionVerdict::badCheck, "", 0},
      {"name=a&score=1273&checksum=", SubmissionVerdict::badCheck, "", 0},
      {"name=a&score=1273&checksum=399722x", SubmissionVerdict::badCheck, "", 0},
  };
  for (const Case& c : cases) {
    auto target = splitTarget(std::string("/teamweb/wtrq/save.php?") + c.query);
    ASSERT_TRUE(target) << c.query;
    SubmissionResult result = checkSubmission(*target);
    EXPECT_EQ(result.verdict, c.verdict) << c.query;
    if (c.verdict == SubmissionVerdict::accepted) {
      EXPECT_EQ(result.entry.name, c.name) << c.query;
      EXPECT_EQ(result.entry.score, c.score) << c.query;
    }
  }
}

}  // namespace
}  // namespace scores
