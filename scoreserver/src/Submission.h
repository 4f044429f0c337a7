// The rules a submitted score must meet before it is stored.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Target.h"

namespace scores {

struct ScoreEntry {
  std::string name;
  std::int64_t score = 0;
};

// Scores the game can plausibly reach in one game; anything larger is a forgery or a bug.
constexpr std::int64_t maxPlausibleScore = 1'000'000'000;
constexpr std::size_t maxNameLength = 15;

// The game's check value: score × 314 in wrapping 32-bit arithmetic, read as signed.
std::int32_t checkValue(std::int32_t score);

enum class SubmissionVerdict {
  accepted,
  missingField,
  badName,
  badScore,
  badCheck,
};

struct SubmissionResult {
  SubmissionVerdict verdict = SubmissionVerdict::missingField;
  ScoreEntry entry;  // valid only when accepted
};

// Reads name, score and checksum from a decoded target.
SubmissionResult checkSubmission(const Target& target);

}  // namespace scores
