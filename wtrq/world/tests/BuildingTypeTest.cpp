// The building type table: footprints, prices, staff, image members and info lines.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "world/BuildingType.h"

namespace wtrq {
namespace {

struct TypeRow {
    BuildingType type;
    int width, height, cost, workers;
    std::vector<std::string> resting, working;
};

const TypeRow rows[] = {
    {BuildingType::Office, 1, 1, 700, 0, {"office.png"}, {}},
    {BuildingType::Woodworker, 1, 1, 1000, 1, {"woodworker.png"},
     {"woodworkerw1.png", "woodworkerw2.png", "woodworkerw3.png", "woodworkerw4.png"}},
    {BuildingType::Factory, 2, 1, 2000, 2, {"factory1.png", "factory2.png"}, {"factory2w1.png", "factory2w2.png"}},
    {BuildingType::Plastics, 2, 2, 10300, 6, {"plastics1.png", "plastics2.png", "plastics3.png", "plastics4.png"},
     {"plastics1w1.png", "plastics1w2.png"}},
    {BuildingType::Foundry, 3, 1, 6000, 4, {"foundry1.png", "foundry2.png", "foundry3.png"},
     {"foundry3w1.png", "foundry3w2.png", "foundry3w3.png"}},
    {BuildingType::Mine, 1, 2, 4000, 3, {"mine1.png", "mine2.png"}, {"mine1w1.png", "mine1w2.png"}},
    {BuildingType::Iron, 1, 1, 0, 0, {"iron.png"}, {}},
    {BuildingType::Oil, 1, 1, 0, 0, {"oil.png"}, {}},
};

TEST(BuildingType, TableRows)
{
    int images = 0;
    for (const TypeRow& row : rows) {
        SCOPED_TRACE(row.resting.front());
        const BuildingTypeInfo& info = buildingTypeInfo(row.type);
        EXPECT_EQ(info.width, row.width);
        EXPECT_EQ(info.height, row.height);
        EXPECT_EQ(info.workersNeeded, row.workers);
        EXPECT_EQ(info.restingImages, row.resting);
        EXPECT_EQ(info.workingFrames, row.working);
        // The drawing code fills every tile of the footprint from the resting slots.
        EXPECT_EQ(static_cast<int>(info.restingImages.size()), row.width * row.height);
        if (row.cost > 0) {
            EXPECT_EQ(buildCost(row.type), row.cost);
        }
        images += static_cast<int>(info.restingImages.size() + info.workingFrames.size());
    }
    EXPECT_EQ(images, 28);  // every member the buildings package must hold
}

TEST(BuildingType, InfoLines)
{
    const std::vector<std::string> foundry = {"--- FOUNDRY ---", "Provides steel", "from iron ore."};
    const std::vector<std::string> oil = {"--- OIL ---", "Geologist has found", "some oil here."};
    EXPECT_EQ(buildingTypeInfo(BuildingType::Foundry).infoLines, foundry);
    EXPECT_EQ(buildingTypeInfo(BuildingType::Oil).infoLines, oil);
    EXPECT_EQ(buildingTypeInfo(BuildingType::Office).infoLines.back(), "Upkeeps elves.");
}

TEST(BuildingType, OutOfRangeAndNotForSale)
{
    for (int bad : {0, 9, -1}) {
        SCOPED_TRACE(bad);
        try {
            buildingTypeInfo(static_cast<BuildingType>(bad));
            FAIL() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Invalid building type: type out of bounds!");
        }
    }
    for (int notForSale : {7, 8, 0, 9}) {
        SCOPED_TRACE(notForSale);
        try {
            buildCost(static_cast<BuildingType>(notForSale));
            FAIL() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Invalid building type when getting cost!");
        }
    }
}

}  // namespace
}  // namespace wtrq
