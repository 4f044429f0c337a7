// Arbitrary bytes for the level reader: it refuses them with one line naming the file, or
// returns a level within the limits that encodes back to bytes it reads the same way.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "LevelFile.h"

namespace {

bool within(const SLevelData& level, const SLevelPoint& point)
{
    return std::isfinite(point.x) && std::isfinite(point.y) &&
           point.x >= -kLevelCoordinateMargin && point.x <= level.width + kLevelCoordinateMargin &&
           point.y >= -kLevelCoordinateMargin && point.y <= level.height + kLevelCoordinateMargin;
}

void checkLimits(const SLevelData& level)
{
    if (!(level.width > 0.0f && level.width <= kMaxLevelSide && level.height > 0.0f &&
          level.height <= kMaxLevelSide))
        std::abort();
    if (level.quads.size() > static_cast<std::size_t>(kMaxLevelQuads) ||
        level.presents.size() > static_cast<std::size_t>(kMaxLevelPresents) ||
        level.waypoints.size() > static_cast<std::size_t>(kMaxLevelWaypoints))
        std::abort();
    // Snowball i starts on waypoint i.
    if (level.enemyCount < 0 || level.enemyCount > kMaxLevelEnemies ||
        static_cast<std::size_t>(level.enemyCount) > level.waypoints.size())
        std::abort();
    if (!within(level, level.start) || !within(level, level.end))
        std::abort();
    for (const SLevelQuad& quad : level.quads)
        for (const SLevelPoint& corner : quad.corners)
            if (!within(level, corner))
                std::abort();
    for (const SLevelPoint& point : level.presents)
        if (!within(level, point))
            std::abort();
    for (const SLevelPoint& point : level.waypoints)
        if (!within(level, point))
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<unsigned char> bytes(data, data + size);
    const SLevelLoadResult result = ParseLevel(bytes, "fuzz.lev");
    if (!result.ok)
    {
        if (result.error.rfind("fuzz.lev: ", 0) != 0 || result.error.find('\n') != std::string::npos)
            std::abort();
        return 0;
    }
    checkLimits(result.level);

    // What was read writes back as the same records, and reads back alike; bytes after the
    // last record are the only thing the writer leaves out.
    const std::vector<unsigned char> encoded = EncodeLevel(result.level);
    if (encoded.size() > bytes.size() || std::memcmp(encoded.data(), bytes.data(), encoded.size()) != 0)
        std::abort();
    const SLevelLoadResult again = ParseLevel(encoded, "fuzz.lev");
    if (!again.ok || EncodeLevel(again.level) != encoded)
        std::abort();
    return 0;
}
