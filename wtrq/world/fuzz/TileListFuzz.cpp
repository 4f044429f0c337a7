// Arbitrary "tiles.dat" texts for the tile-list reader: it either refuses them with the list's
// own error or returns kinds a map can be generated from.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "jwe/Exceptions.h"
#include "world/TileList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const auto entries = wtrq::parseTileList(text);
        bool ground = false;
        bool obstacle = false;
        for (const auto& entry : entries) {
            if (entry.imageMember.empty() || entry.imageMember.find('|') != std::string::npos ||
                entry.imageMember.find('\n') != std::string::npos)
                std::abort();
            ground = ground || entry.isGround;
            obstacle = obstacle || !entry.isGround;
        }
        if (!ground || !obstacle)
            std::abort();
    } catch (const FileLoadingFailed&) {
        // Refused, naming the list: the expected outcome for malformed text.
    }
    return 0;
}
