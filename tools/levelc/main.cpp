// levelc: the level tool of talvijahti. Compiles sources, checks level files,
// draws overviews.
#include "CheckBudget.h"
#include "LevelChecks.h"
#include "LevelFile.h"
#include "LevelSource.h"
#include "Overview.h"
#include "PngWriter.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

const char* const kUsage =
    "usage: levelc compile <source.txt> <out.lev>   compile a level source (it must pass the checks)\n"
    "       levelc check <file.lev>...              read level files and print every problem\n"
    "       levelc render <file.lev> <out.png> [max side]  draw an overview for review\n";

// Prints the problems of one level; returns the number found.
std::size_t Report(const std::string& name, const SLevelData& level)
{
    if (const std::string tooLarge = TooLargeForChecks(level); !tooLarge.empty())
    {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), tooLarge.c_str());
        return 1;
    }
    std::vector<std::string> problems = CheckLayout(level);
    for (std::string& p : CheckSolvable(level))
        problems.push_back(std::move(p));
    for (const std::string& p : problems)
        std::fprintf(stderr, "%s: %s\n", name.c_str(), p.c_str());
    return problems.size();
}

int Compile(const std::string& source, const std::string& out)
{
    const SLevelSourceResult parsed = ReadLevelSource(source);
    if (!parsed.ok)
    {
        std::fprintf(stderr, "%s\n", parsed.error.c_str());
        return 1;
    }
    // The compiled bytes must read back through the game's own checks.
    const SLevelLoadResult back = ParseLevel(EncodeLevel(parsed.level), out);
    if (!back.ok)
    {
        std::fprintf(stderr, "%s\n", back.error.c_str());
        return 1;
    }
    if (Report(source, parsed.level) > 0)
        return 1;
    std::string error;
    if (!WriteLevelFile(out, parsed.level, error))
    {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

int Check(const std::vector<std::string>& files)
{
    int status = 0;
    for (const std::string& file : files)
    {
        const SLevelLoadResult loaded = ReadLevelFile(file);
        if (!loaded.ok)
        {
            std::fprintf(stderr, "%s\n", loaded.error.c_str());
            status = 1;
            continue;
        }
        if (Report(file, loaded.level) > 0)
            status = 1;
        else
            std::printf("%s: ok (%g x %g, %zu obstacles, %zu presents, %zu waypoints, %d snowballs)\n", file.c_str(),
                        double(loaded.level.width), double(loaded.level.height), loaded.level.quads.size(),
                        loaded.level.presents.size(), loaded.level.waypoints.size(), loaded.level.enemyCount);
    }
    return status;
}

// An overview larger than this would be no easier to review, only heavier.
constexpr int kMaxOverviewSide = 8192;

int Render(const std::string& file, const std::string& out, int maxSide)
{
    const SLevelLoadResult loaded = ReadLevelFile(file);
    if (!loaded.ok)
    {
        std::fprintf(stderr, "%s\n", loaded.error.c_str());
        return 1;
    }
    // The overview shades the reach grid and draws the snowball runs: the checks' own work.
    if (const std::string tooLarge = TooLargeForChecks(loaded.level); !tooLarge.empty())
    {
        std::fprintf(stderr, "%s: %s\n", file.c_str(), tooLarge.c_str());
        return 1;
    }
    const SOverview picture = RenderOverview(loaded.level, maxSide);
    std::string error;
    if (!WritePngRgb(out, picture.width, picture.height, picture.rgb, error))
    {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "compile")
        return Compile(args[1], args[2]);
    if (args.size() >= 2 && args[0] == "check")
        return Check({args.begin() + 1, args.end()});
    if ((args.size() == 3 || args.size() == 4) && args[0] == "render")
    {
        const long maxSide = args.size() == 4 ? std::strtol(args[3].c_str(), nullptr, 10) : 1200;
        if (maxSide < 16 || maxSide > kMaxOverviewSide)
        {
            std::fprintf(stderr, "levelc: the largest side must be 16 to %d pixels\n", kMaxOverviewSide);
            return 2;
        }
        return Render(args[1], args[2], int(maxSide));
    }
    std::fputs(kUsage, stderr);
    return 2;
}
