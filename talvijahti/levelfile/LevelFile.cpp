// Decoding with validation, and encoding, of the level file layout.
#include "LevelFile.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <tuple>

namespace
{

static_assert(sizeof(float) == 4 && std::numeric_limits<float>::is_iec559);

// Reads little-endian fields from a byte buffer whose length was checked beforehand.
class CByteReader
{
public:
    explicit CByteReader(const std::vector<unsigned char>& bytes) : bytes(bytes) {}

    uint32_t U32()
    {
        uint32_t v = uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
                     uint32_t(bytes[at + 3]) << 24;
        at += 4;
        return v;
    }
    int32_t I32() { return std::bit_cast<int32_t>(U32()); }
    float F32() { return std::bit_cast<float>(U32()); }
    SLevelPoint Point()
    {
        SLevelPoint p;
        p.x = F32();
        p.y = F32();
        return p;
    }

private:
    const std::vector<unsigned char>& bytes;
    std::size_t at = 0;
};

void PutU32(std::vector<unsigned char>& out, uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>(v >> shift));
}

void PutPoint(std::vector<unsigned char>& out, const SLevelPoint& p)
{
    PutU32(out, std::bit_cast<uint32_t>(p.x));
    PutU32(out, std::bit_cast<uint32_t>(p.y));
}

std::string Number(float v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", double(v));
    return text;
}

bool Finite(const SLevelPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool FarOutside(const SLevelPoint& p, const SLevelData& level)
{
    const float m = kLevelCoordinateMargin;
    return p.x < -m || p.y < -m || p.x > level.width + m || p.y > level.height + m;
}

// The error for a finite point that lies too far out: "<what> (x, y) lies more than ...".
std::string FarOutsideProblem(const std::string& what, const SLevelPoint& p, const SLevelData& level)
{
    return what + " (" + Number(p.x) + ", " + Number(p.y) + ") lies more than " + Number(kLevelCoordinateMargin) +
           " pixels outside the " + Number(level.width) + " x " + Number(level.height) + " level";
}

SLevelLoadResult Fail(const std::string& name, const std::string& problem)
{
    SLevelLoadResult result;
    result.error = name + ": " + problem;
    return result;
}

// Returns an empty string when the count is acceptable.
std::string CheckCount(const char* what, int32_t count, int32_t limit)
{
    if (count < 0)
        return std::string(what) + " count " + std::to_string(count) + " is negative";
    if (count > limit)
        return std::string(what) + " count " + std::to_string(count) + " exceeds the limit of " +
               std::to_string(limit);
    return {};
}

}  // namespace

SLevelLoadResult ParseLevel(const std::vector<unsigned char>& bytes, const std::string& name)
{
    if (bytes.size() < kLevelHeaderBytes)
        return Fail(name, "file is " + std::to_string(bytes.size()) + " bytes, shorter than the " +
                              std::to_string(kLevelHeaderBytes) + "-byte header");

    CByteReader in(bytes);
    SLevelData level;
    level.width = in.F32();
    level.height = in.F32();
    level.start = in.Point();
    level.end = in.Point();
    const int32_t quadCount = in.I32();
    const int32_t presentCount = in.I32();
    const int32_t waypointCount = in.I32();
    level.enemyCount = in.I32();

    if (!std::isfinite(level.width) || !std::isfinite(level.height) || !(level.width > 0.0f) ||
        !(level.height > 0.0f) || level.width > kMaxLevelSide || level.height > kMaxLevelSide)
        return Fail(name, "level size " + Number(level.width) + " x " + Number(level.height) +
                              " is not a positive finite size");
    if (!Finite(level.start))
        return Fail(name, "start point is not finite");
    if (FarOutside(level.start, level))
        return Fail(name, FarOutsideProblem("start point", level.start, level));
    if (!Finite(level.end))
        return Fail(name, "exit point is not finite");
    if (FarOutside(level.end, level))
        return Fail(name, FarOutsideProblem("exit point", level.end, level));

    for (const auto& [what, count, limit] :
         {std::tuple{"quad", quadCount, kMaxLevelQuads}, std::tuple{"present", presentCount, kMaxLevelPresents},
          std::tuple{"waypoint", waypointCount, kMaxLevelWaypoints},
          std::tuple{"snowball", level.enemyCount, kMaxLevelEnemies}})
    {
        std::string problem = CheckCount(what, count, limit);
        if (!problem.empty())
            return Fail(name, problem);
    }
    if (waypointCount < level.enemyCount)
        return Fail(name, "waypoint count " + std::to_string(waypointCount) + " is less than the snowball count " +
                              std::to_string(level.enemyCount));

    // The counts are bounded, so this sum cannot overflow.
    const std::size_t needed = kLevelHeaderBytes + kLevelQuadBytes * std::size_t(quadCount) +
                               kLevelPointBytes * (std::size_t(presentCount) + std::size_t(waypointCount));
    if (bytes.size() < needed)
        return Fail(name, "file is " + std::to_string(bytes.size()) + " bytes but its counts need " +
                              std::to_string(needed));

    level.quads.resize(std::size_t(quadCount));
    for (std::size_t i = 0; i < level.quads.size(); ++i)
    {
        for (SLevelPoint& corner : level.quads[i].corners)
        {
            corner = in.Point();
            if (!Finite(corner))
                return Fail(name, "quad " + std::to_string(i) + " has a corner that is not finite");
            if (FarOutside(corner, level))
                return Fail(name, FarOutsideProblem("quad " + std::to_string(i) + " corner", corner, level));
        }
    }
    level.presents.resize(std::size_t(presentCount));
    for (std::size_t i = 0; i < level.presents.size(); ++i)
    {
        level.presents[i] = in.Point();
        if (!Finite(level.presents[i]))
            return Fail(name, "present " + std::to_string(i) + " is not at a finite position");
        if (FarOutside(level.presents[i], level))
            return Fail(name, FarOutsideProblem("present " + std::to_string(i), level.presents[i], level));
    }
    level.waypoints.resize(std::size_t(waypointCount));
    for (std::size_t i = 0; i < level.waypoints.size(); ++i)
    {
        level.waypoints[i] = in.Point();
        if (!Finite(level.waypoints[i]))
            return Fail(name, "waypoint " + std::to_string(i) + " is not at a finite position");
        if (FarOutside(level.waypoints[i], level))
            return Fail(name, FarOutsideProblem("waypoint " + std::to_string(i), level.waypoints[i], level));
    }

    SLevelLoadResult result;
    result.ok = true;
    result.level = std::move(level);
    return result;
}

SLevelLoadResult ReadLevelFile(const std::string& path)
{
    // C stdio rather than streams: a read error (a folder given as the path, a
    // failing disk) then comes back as a status instead of an exception.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return Fail(path, std::string("cannot open the file: ") + std::strerror(errno));
    std::vector<unsigned char> bytes;
    unsigned char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    const bool failed = std::ferror(file) != 0;
    const int readError = errno;
    std::fclose(file);
    if (failed)
        return Fail(path, std::string("cannot read the file: ") + std::strerror(readError));
    return ParseLevel(bytes, path);
}

std::vector<unsigned char> EncodeLevel(const SLevelData& level)
{
    std::vector<unsigned char> out;
    out.reserve(kLevelHeaderBytes + kLevelQuadBytes * level.quads.size() +
                kLevelPointBytes * (level.presents.size() + level.waypoints.size()));
    PutU32(out, std::bit_cast<uint32_t>(level.width));
    PutU32(out, std::bit_cast<uint32_t>(level.height));
    PutPoint(out, level.start);
    PutPoint(out, level.end);
    PutU32(out, uint32_t(level.quads.size()));
    PutU32(out, uint32_t(level.presents.size()));
    PutU32(out, uint32_t(level.waypoints.size()));
    PutU32(out, std::bit_cast<uint32_t>(level.enemyCount));
    for (const SLevelQuad& quad : level.quads)
        for (const SLevelPoint& corner : quad.corners)
            PutPoint(out, corner);
    for (const SLevelPoint& p : level.presents)
        PutPoint(out, p);
    for (const SLevelPoint& p : level.waypoints)
        PutPoint(out, p);
    return out;
}

bool WriteLevelFile(const std::string& path, const SLevelData& level, std::string& error)
{
    const std::vector<unsigned char> bytes = EncodeLevel(level);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
    {
        error = path + ": cannot create the file: " + std::strerror(errno);
        return false;
    }
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    if (!file)
    {
        error = path + ": cannot write the file";
        return false;
    }
    return true;
}
