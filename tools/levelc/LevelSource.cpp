// Parser of the level source text: one statement per line, '#' starts a comment.
#include "LevelSource.h"

#include "Geometry.h"

#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

namespace
{

// Reads all numbers of a statement; false when a word is not a finite number.
bool ReadNumbers(std::istringstream& words, std::vector<float>& numbers)
{
    std::string word;
    while (words >> word)
    {
        char* end = nullptr;
        const float v = std::strtof(word.c_str(), &end);
        if (end == word.c_str() || *end != '\0' || !std::isfinite(v))
            return false;
        numbers.push_back(v);
    }
    return true;
}

// A bar of the given thickness from a to b, corners listed so that its edges run
// a-side, along, b-side, along.
SLevelQuad Bar(SLevelPoint a, SLevelPoint b, float thickness)
{
    const SLevelPoint along = b - a;
    const float len = Length(along);
    const SLevelPoint n = SLevelPoint{-along.y / len, along.x / len} * (thickness / 2.0f);
    SLevelQuad q;
    q.corners = {a - n, a + n, b + n, b - n};
    return q;
}

}  // namespace

SLevelSourceResult ParseLevelSource(const std::string& text, const std::string& name)
{
    SLevelSourceResult result;
    SLevelData& level = result.level;
    bool haveSize = false, haveStart = false, haveExit = false, haveSnowballs = false;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    const auto fail = [&](const std::string& problem) {
        result.ok = false;
        result.error = name + ":" + std::to_string(lineNumber) + ": " + problem;
        return result;
    };

    while (std::getline(lines, line))
    {
        ++lineNumber;
        if (const auto hash = line.find('#'); hash != std::string::npos)
            line.erase(hash);
        std::istringstream words(line);
        std::string keyword;
        if (!(words >> keyword))
            continue;
        std::vector<float> n;
        if (!ReadNumbers(words, n))
            return fail("'" + keyword + "' takes numbers only");
        const auto want = [&](std::size_t count) { return n.size() == count; };

        if (keyword == "size" && want(2))
        {
            level.width = n[0];
            level.height = n[1];
            haveSize = true;
        }
        else if (keyword == "start" && want(2))
        {
            level.start = {n[0], n[1]};
            haveStart = true;
        }
        else if (keyword == "exit" && want(2))
        {
            level.end = {n[0], n[1]};
            haveExit = true;
        }
        else if (keyword == "snowballs" && want(1))
        {
            if (n[0] < 0 || n[0] != std::floor(n[0]) || n[0] > 1000)
                return fail("snowballs needs a whole number from 0 to 1000");
            level.enemyCount = int32_t(n[0]);
            haveSnowballs = true;
        }
        else if (keyword == "box" && want(4))
        {
            if (n[2] <= 0 || n[3] <= 0)
                return fail("box needs a positive width and height");
            SLevelQuad q;
            q.corners = {SLevelPoint{n[0], n[1]}, SLevelPoint{n[0], n[1] + n[3]},
                         SLevelPoint{n[0] + n[2], n[1] + n[3]}, SLevelPoint{n[0] + n[2], n[1]}};
            level.quads.push_back(q);
        }
        else if (keyword == "bar" && want(5))
        {
            if (n[4] <= 0 || (n[0] == n[2] && n[1] == n[3]))
                return fail("bar needs two different end points and a positive thickness");
            level.quads.push_back(Bar({n[0], n[1]}, {n[2], n[3]}, n[4]));
        }
        else if (keyword == "quad" && want(8))
        {
            SLevelQuad q;
            for (int i = 0; i < 4; ++i)
                q.corners[i] = {n[2 * i], n[2 * i + 1]};
            level.quads.push_back(q);
        }
        else if (keyword == "diamond" && want(3))
        {
            if (n[2] <= 0)
                return fail("diamond needs a positive half-diagonal");
            SLevelQuad q;
            q.corners = {SLevelPoint{n[0] - n[2], n[1]}, SLevelPoint{n[0], n[1] + n[2]},
                         SLevelPoint{n[0] + n[2], n[1]}, SLevelPoint{n[0], n[1] - n[2]}};
            level.quads.push_back(q);
        }
        else if (keyword == "present" && want(2))
            level.presents.push_back({n[0], n[1]});
        else if ((keyword == "waypoint" || keyword == "waypoints") && !n.empty() && n.size() % 2 == 0)
        {
            for (std::size_t i = 0; i < n.size(); i += 2)
                level.waypoints.push_back({n[i], n[i + 1]});
        }
        else if (keyword == "size" || keyword == "start" || keyword == "exit" || keyword == "snowballs" ||
                 keyword == "box" || keyword == "bar" || keyword == "diamond" || keyword == "quad" || keyword == "present" ||
                 keyword == "waypoint" || keyword == "waypoints")
            return fail("'" + keyword + "' has the wrong number of values");
        else
            return fail("unknown statement '" + keyword + "'");
    }
    lineNumber = 0;
    if (!haveSize)
        return fail("no 'size' line");
    if (!haveStart)
        return fail("no 'start' line");
    if (!haveExit)
        return fail("no 'exit' line");
    if (!haveSnowballs)
        return fail("no 'snowballs' line");
    result.ok = true;
    return result;
}

SLevelSourceResult ReadLevelSource(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
    {
        SLevelSourceResult result;
        result.error = path + ": cannot open the file";
        return result;
    }
    std::stringstream text;
    text << file.rdbuf();
    return ParseLevelSource(text.str(), path);
}
