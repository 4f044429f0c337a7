// The HTML page that lists every score, ranked, one page of rows at a time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Submission.h"

namespace scores {

constexpr std::int64_t scoresPerPage = 50;

// page counts from 1; rows are that page's rows, total the number of scores stored.
std::string scorePage(const std::vector<ScoreEntry>& rows, std::int64_t page, std::int64_t total);

}  // namespace scores
