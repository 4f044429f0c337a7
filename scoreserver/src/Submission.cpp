// Submission checks: a name of letters, digits and spaces, a plausible score, a matching check.
#include "Submission.h"

#include <charconv>

namespace scores {

namespace {

bool isNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
}

bool validName(const std::string& name) {
  if (name.empty() || name.size() > maxNameLength) return false;
  for (char c : name) {
    if (!isNameChar(c)) return false;
  }
  return true;
}

// Whole-text decimal; from_chars alone would accept "12abc" as 12.
std::optional<std::int64_t> parseDecimal(const std::string& text) {
  if (text.empty() || text.size() > 19) return std::nullopt;
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::int32_t checkValue(std::int32_t score) {
  // Unsigned arithmetic wraps by definition; signed overflow would be undefined.
  std::uint32_t wrapped = static_cast<std::uint32_t>(score) * 314u;
  return static_cast<std::int32_t>(wrapped);
}

SubmissionResult checkSubmission(const Target& target) {
  SubmissionResult result;
  auto name = target.parameter("name");
  auto score = target.parameter("score");
  auto check = target.parameter("checksum");
  if (!name || !score || !check) {
    result.verdict = SubmissionVerdict::missingField;
    return result;
  }
  if (!validName(*name)) {
    result.verdict = SubmissionVerdict::badName;
    return result;
  }
  // Digits only: no sign, so "-5" and "+5" are refused along with anything odd.
  auto scoreValue = parseDecimal(*score);
  if (!scoreValue || (*score)[0] == '-' || (*score)[0] == '+' || *scoreValue > maxPlausibleScore) {
    result.verdict = SubmissionVerdict::badScore;
    return result;
  }
  auto checkText = parseDecimal(*check);
  if (!checkText || *checkText != checkValue(static_cast<std::int32_t>(*scoreValue))) {
    result.verdict = SubmissionVerdict::badCheck;
    return result;
  }
  result.verdict = SubmissionVerdict::accepted;
  result.entry = ScoreEntry{*name, *scoreValue};
  return result;
}

}  // namespace scores
