// Reads the text form of a level (see talvijahti/gamedata-src/README.md) into level data.
#pragma once

#include "SLevelData.h"

#include <string>

struct SLevelSourceResult
{
    bool ok = false;
    SLevelData level;
    std::string error;  // "<file>:<line>: <problem>" when not ok
};

SLevelSourceResult ParseLevelSource(const std::string& text, const std::string& name);
SLevelSourceResult ReadLevelSource(const std::string& path);
