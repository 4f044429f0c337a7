// The eight kinds of building (markers included): footprints, prices, staff, images, info lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/Ticks.h"

namespace wtrq {

enum class BuildingType : std::int32_t {
    Office = 1,
    Woodworker = 2,
    Factory = 3,
    Plastics = 4,
    Foundry = 5,
    Mine = 6,
    Iron = 7,
    Oil = 8,
};

struct BuildingTypeInfo {
    int width;
    int height;
    int cost;           // 0: not for sale
    int workersNeeded;  // 0 for the office and the markers, which take no workers
    std::vector<std::string> restingImages;  // in the slot order drawing relies on
    std::vector<std::string> workingFrames;
    std::vector<std::string> infoLines;
};

// The table entry of a type; a value outside 1 to 8 raises
// "Invalid building type: type out of bounds!".
const BuildingTypeInfo& buildingTypeInfo(BuildingType type);

// The purchase price; the markers and anything else not for sale raise
// "Invalid building type when getting cost!".
int buildCost(BuildingType type);

// Iron and oil deposits share the building record but are never bought and never block.
constexpr bool isMarker(BuildingType type) { return type == BuildingType::Iron || type == BuildingType::Oil; }

}  // namespace wtrq
