// The building type table.
#include "world/BuildingType.h"

#include <array>
#include <stdexcept>

namespace wtrq {
namespace {

const std::array<BuildingTypeInfo, 8> table = {{
    {1, 1, 700, 0, {"office.png"}, {}, {"--- OFFICE ---", "Upkeeps elves."}},
    {1, 1, 1000, 1, {"woodworker.png"},
     {"woodworkerw1.png", "woodworkerw2.png", "woodworkerw3.png", "woodworkerw4.png"},
     {"--- WOODWORKER ---", "Provides wood."}},
    {2, 1, 2000, 2, {"factory1.png", "factory2.png"}, {"factory2w1.png", "factory2w2.png"},
     {"--- FACTORY ---", "Manufactures toys", "from resources."}},
    {2, 2, 10300, 6, {"plastics1.png", "plastics2.png", "plastics3.png", "plastics4.png"},
     {"plastics1w1.png", "plastics1w2.png"}, {"--- PLASTICS ---", "Provides plastic."}},
    {3, 1, 6000, 4, {"foundry1.png", "foundry2.png", "foundry3.png"},
     {"foundry3w1.png", "foundry3w2.png", "foundry3w3.png"}, {"--- FOUNDRY ---", "Provides steel", "from iron ore."}},
    {1, 2, 4000, 3, {"mine1.png", "mine2.png"}, {"mine1w1.png", "mine1w2.png"}, {"--- MINE ---", "Provides iron ore."}},
    {1, 1, 0, 0, {"iron.png"}, {}, {"--- IRON ---", "Geologist has found", "some iron here."}},
    {1, 1, 0, 0, {"oil.png"}, {}, {"--- OIL ---", "Geologist has found", "some oil here."}},
}};

}  // namespace

const BuildingTypeInfo& buildingTypeInfo(BuildingType type)
{
    const auto value = static_cast<std::int32_t>(type);
    if (value < 1 || value > 8)
        throw std::runtime_error("Invalid building type: type out of bounds!");
    return table[value - 1];
}

int buildCost(BuildingType type)
{
    const auto value = static_cast<std::int32_t>(type);
    if (value < 1 || value > 6)
        throw std::runtime_error("Invalid building type when getting cost!");
    return table[value - 1].cost;
}

}  // namespace wtrq
