// The storage a score server needs: add scores in one transaction, read them back ranked.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "Submission.h"

namespace scores {

// Ranking is by score, highest first; among equal scores the earlier submission ranks higher.
class ScoreStore {
 public:
  virtual ~ScoreStore() = default;
  // All entries are stored in one transaction, durable when this returns; throws StoreError.
  virtual void addAll(const std::vector<ScoreEntry>& entries) = 0;
  virtual std::vector<ScoreEntry> ranked(std::int64_t offset, std::int64_t limit) = 0;
  virtual std::int64_t count() = 0;
};

class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace scores
