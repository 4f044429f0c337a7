// Reading, checking and writing talvijahti's binary level files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "SLevelData.h"

// Layout: a 40-byte header (width, height, start x, y, end x, y as floats, then the
// quad, present, waypoint and snowball counts as int32), then 32 bytes per quad,
// 8 per present and 8 per waypoint; all little-endian. Bytes after the last record
// are ignored.
constexpr std::size_t kLevelHeaderBytes = 40;
constexpr std::size_t kLevelQuadBytes = 32;
constexpr std::size_t kLevelPointBytes = 8;

// Limits far above any hand-made level, low enough that a corrupt count cannot make
// the game allocate gigabytes or loop for minutes. Every obstacle edge is tested
// against the player and each snowball every frame, so the quad limit also keeps a
// frame affordable.
constexpr int32_t kMaxLevelQuads = 4096;
constexpr int32_t kMaxLevelPresents = 1024;
constexpr int32_t kMaxLevelWaypoints = 4096;
constexpr int32_t kMaxLevelEnemies = 256;
// Width and height must lie in (0, kMaxLevelSide].
constexpr float kMaxLevelSide = 1.0e6f;
// Every point (start, exit, obstacle corners, presents, waypoints) must be finite and lie
// within this many pixels of the level: an obstacle may reach past the border, but points
// far out break the float arithmetic of the obstacle push and can never be seen or reached.
constexpr float kLevelCoordinateMargin = 1000.0f;

struct SLevelLoadResult
{
    bool ok = false;
    SLevelData level;   // filled only when ok
    std::string error;  // one line, "<file>: <problem>", when not ok
};

// Checks and decodes the bytes of a level file; `name` is the file name used in the
// error line.
SLevelLoadResult ParseLevel(const std::vector<unsigned char>& bytes, const std::string& name);

// Reads and checks the level file at `path`.
SLevelLoadResult ReadLevelFile(const std::string& path);

// Encodes a level in the file layout. The result is what ParseLevel accepts back
// unchanged when the data itself is within the limits above.
std::vector<unsigned char> EncodeLevel(const SLevelData& level);

// Writes EncodeLevel's bytes to `path`; on failure returns false with a one-line
// message in `error`.
bool WriteLevelFile(const std::string& path, const SLevelData& level, std::string& error);
