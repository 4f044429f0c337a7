// The storage a score server needs: add scores in one transaction, read them back ranked.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Submission.h"

namespace scores {

class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Ranking is by score, highest first; among equal scores the earlier submission ranks higher.
class ScoreStore {
 public:
  virtual ~ScoreStore() = default;
  // All entries are stored in one transaction, durable when this returns; throws StoreError.
  virtual void addAll(const std::vector<ScoreEntry>& entries) = 0;
  // Stores as addAll does (throwing when it does not) and returns the best `limit` rows as of
  // that commit. A store may read them inside the same transaction, which spares a second one;
  // this one reads after the commit, and when only that read fails the entries are stored all
  // the same and there is no list (nullopt).
  virtual std::optional<std::vector<ScoreEntry>> addAllThenBest(const std::vector<ScoreEntry>& entries,
                                                                std::int64_t limit) {
    addAll(entries);
    try {
      return ranked(0, limit);
    } catch (const std::exception&) {
      return std::nullopt;
    }
  }
  virtual std::vector<ScoreEntry> ranked(std::int64_t offset, std::int64_t limit) = 0;
  virtual std::int64_t count() = 0;
};

}  // namespace scores
