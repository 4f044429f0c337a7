// Arbitrary wtrq.conf texts: the reader never fails, and whatever the lines say, the board is
// left with a server it can connect to (a host and a port from 1 to 65535).
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "wtrq/board/ScoreSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    wtrq::ScoreSettings settings;
    std::vector<std::string> warnings;
    wtrq::readScoreSettings(in, "fuzz.conf", settings, warnings);
    if (settings.server.host.empty() || settings.server.port == 0)
        std::abort();
    for (const std::string& warning : warnings)
        if (warning.find("fuzz.conf") == std::string::npos || warning.find('\n') != std::string::npos)
            std::abort();

    // The same text as a WTRQ_SCORE_SERVER value.
    if (const auto address = wtrq::parseScoreServer(text))
        if (address->host.empty() || address->port == 0)
            std::abort();
    return 0;
}
