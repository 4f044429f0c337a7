// Arbitrary server replies for the score board: at most 15 rows, each from a record that had
// a "|", names with "+" read as spaces, a third field dropped, and nothing of one record
// leaking into another.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "wtrq/board/ScoreReply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const auto rows = wtrq::parseScoreReply(reply);
    if (rows.size() > wtrq::maxScoreRows)
        std::abort();

    // The records the board may show: the first 15, each a name before the first "|" and a
    // score up to the next.
    const auto records = wtrq::splitAtMost(reply, '&', wtrq::maxScoreRows);
    std::size_t next = 0;
    for (const std::string& record : records) {
        const std::size_t bar = record.find('|');
        if (bar == std::string::npos)
            continue;
        if (next >= rows.size())
            std::abort();
        const wtrq::ScoreRow& row = rows[next++];
        const std::size_t end = record.find('|', bar + 1);
        if (row.name.size() != bar || row.score != record.substr(bar + 1, end - (bar + 1)))
            std::abort();
        for (std::size_t i = 0; i < bar; ++i) {
            const char expected = record[i] == '+' ? ' ' : record[i];
            if (row.name[i] != expected)
                std::abort();
        }
    }
    if (next != rows.size())
        std::abort();
    return 0;
}
