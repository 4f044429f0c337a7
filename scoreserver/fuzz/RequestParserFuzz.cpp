// Feeds arbitrary bytes to the request parser in uneven pieces and checks what it promises.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "RequestParser.h"
#include "Submission.h"
#include "Target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  scores::ParserLimits limits;
  limits.maxRequestLine = 256;
  limits.maxHeaderBytes = 512;
  limits.maxHeaderLines = 8;

  // The same bytes in one piece and in pieces cut by the first byte must parse alike.
  scores::RequestParser whole(limits);
  std::size_t usedWhole = whole.feed(bytes);
  scores::RequestParser pieces(limits);
  std::size_t piece = size ? data[0] % 7 + 1 : 1;
  std::size_t usedPieces = 0;
  for (std::size_t at = 0; at < size && !pieces.finished(); at += piece) {
    usedPieces += pieces.feed(bytes.substr(at, piece));
  }
  if (whole.status() != pieces.status() || usedWhole != usedPieces) std::abort();
  if (usedWhole > size) std::abort();
  if (whole.finished() != (whole.status() != scores::ParseStatus::incomplete)) std::abort();

  if (whole.status() == scores::ParseStatus::complete) {
    const scores::Request& request = whole.request();
    if (request.method.empty() || request.target.empty()) std::abort();
    if (request.target.size() > limits.maxRequestLine) std::abort();
    if (auto target = scores::splitTarget(request.target)) {
      auto submission = scores::checkSubmission(*target);
      if (submission.verdict == scores::SubmissionVerdict::accepted) {
        const auto& entry = submission.entry;
        if (entry.name.empty() || entry.name.size() > scores::maxNameLength) std::abort();
        if (entry.score < 0 || entry.score > scores::maxPlausibleScore) std::abort();
      }
    }
  }
  return 0;
}
