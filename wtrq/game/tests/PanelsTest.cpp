// The panels' places, bands, lines and look, drawn on a memory surface.
#include "game/BuildMenu.h"
#include "game/ElvesPanel.h"
#include "game/GameMenu.h"
#include "game/InfoPanel.h"
#include "game/PanelLook.h"
#include "support/GameFixture.h"
#include "support/SurfaceProbe.h"

namespace wtrq::test {
namespace {

constexpr Uint32 outline = 0xC80000;
constexpr Uint32 fillColour = 0x800000;
constexpr Uint32 hoverColour = 0xB40000;

TEST(BuildMenu, TextsCarryTheirPrices)
{
    const char* const texts[] = {"Build office [700]",  "Build woodworker [1000]", "Build factory [2000]",
                                 "Build plastics [10300]", "Build foundry [6000]", "Build mine [4000]",
                                 "Hire worker [200]",   "Hire geologist [600]",   "Hire carrier [400]"};
    for (int item = 1; item <= 9; ++item)
        EXPECT_EQ(buildMenuText(item), texts[item - 1]);
}

TEST(BuildMenu, BandsHoldTheMouseStrictlyInside)
{
    // Menu at (100, 50); rows relative to its top.
    const struct {
        int dx, dy, item;
    } cases[] = {
        {100, 3, -1},  {100, 4, 1},   {100, 24, 1},  {100, 25, -1}, {100, 26, -1}, {100, 28, 2},
        {100, 124, 6}, {100, 142, 6}, {100, 143, -1}, {100, 144, -1}, {100, 146, -1}, {100, 148, 7},
        {100, 216, 9}, {100, 217, -1}, {3, 14, -1},  {4, 14, 1},    {206, 14, 1},  {207, 14, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(buildMenuItemAt(100, 50, 100 + c.dx, 50 + c.dy), c.item) << c.dx << "," << c.dy;
}

TEST(BuildMenu, CornerStaysOnTheScreen)
{
    const struct {
        int mx, my, x, y;
    } cases[] = {
        {100, 100, 100, 100}, {430, 257, 430, 257}, {431, 258, 430, 257}, {639, 479, 430, 257}, {500, 100, 430, 100},
        {100, 400, 100, 257},
    };
    for (const auto& c : cases) {
        const MousePosition corner = buildMenuCorner(c.mx, c.my);
        EXPECT_EQ(corner.x, c.x) << c.mx << "," << c.my;
        EXPECT_EQ(corner.y, c.y) << c.mx << "," << c.my;
    }
}

TEST(GameMenuItems, HoverFindsTheTwoLines)
{
    const struct {
        int mx, my, item;
    } cases[] = {{100, 38, 3}, {100, 58, 3}, {100, 59, -1}, {100, 60, -1}, {100, 62, 4},
                 {100, 82, 4}, {100, 83, -1}, {9, 48, -1},  {212, 48, 3}, {213, 48, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(gameMenuItemAt(c.mx, c.my), c.item) << c.mx << "," << c.my;
}

class PanelLook : public SdlFixture {
protected:
    void SetUp() override
    {
        SdlFixture::SetUp();
        surface = makeMemorySurface(640, 480);
    }
    void TearDown() override
    {
        SDL_FreeSurface(surface);
        SdlFixture::TearDown();
    }
    SDL_Surface* surface = nullptr;
};

TEST_F(PanelLook, ThreeOutlinesAFillAndTheHoveredBand)
{
    // The build menu at (100, 50) with the mine hovered: its band ends at 143, not 145.
    drawBuildMenuPanel(surface, 100, 50, 6);
    const struct {
        int x, y;
        Uint32 colour;
    } probes[] = {
        {99, 49, 0x000000},   {100, 50, outline},     {101, 51, outline},      {102, 52, outline},
        {103, 53, fillColour}, {310, 270, outline},   {308, 268, outline},     {307, 267, fillColour},
        {311, 271, 0x000000}, {104, 50 + 123, hoverColour}, {104, 50 + 143, hoverColour},
        {104, 50 + 144, fillColour}, {104, 50 + 122, fillColour}, {306, 50 + 130, hoverColour},
    };
    for (const auto& p : probes)
        EXPECT_EQ(pixelAt(surface, p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(PanelLook, GameMenuHighlightsTheHoveredItem)
{
    drawGameMenuPanel(surface, quitToDesktop);
    EXPECT_EQ(pixelAt(surface, 6, 34), outline);
    EXPECT_EQ(pixelAt(surface, 216, 86), outline);
    EXPECT_EQ(pixelAt(surface, 10, 62), hoverColour);
    EXPECT_EQ(pixelAt(surface, 10, 50), fillColour);
}

using InfoPanelTest = GameFixture;

TEST_F(InfoPanelTest, PlacedBesideTheBuildingAndKeptOnTheScreen)
{
    const struct {
        BuildingType type;
        int bx, by, x, y;
    } cases[] = {
        {BuildingType::Office, 2, 2, 96, 128},   {BuildingType::Office, 12, 2, 416, 128},
        {BuildingType::Office, 13, 2, 430, 128}, {BuildingType::Office, 2, 8, 96, 320},
        {BuildingType::Office, 2, 9, 96, 334},   {BuildingType::Mine, 17, 12, 430, 334},
    };
    for (const auto& c : cases) {
        game->world.buildings.clear();
        game->world.addBuilding(c.type, c.bx, c.by);
        ASSERT_TRUE(openInfoPanel(game->world, 32 * c.bx + 5, 32 * (c.by + 1) + 5));
        EXPECT_EQ(game->world.infoX, c.x) << c.bx << "," << c.by;
        EXPECT_EQ(game->world.infoY, c.y) << c.bx << "," << c.by;
    }
}

TEST_F(InfoPanelTest, ClicksInsideKeepItAndOutsideCloseIt)
{
    EXPECT_FALSE(infoPanelClick(game->world, 10, 10));
    game->world.addBuilding(BuildingType::Office, 2, 2);
    clickTile(2, 2);
    ASSERT_EQ(game->world.infoBuilding, 0);
    click(96 + 210, 128 + 146);
    EXPECT_EQ(game->world.infoBuilding, 0);
    click(96 + 211, 128);
    EXPECT_EQ(game->world.infoBuilding, -1);
    EXPECT_FALSE(game->world.elvesPanelOpen) << "the closing click does nothing else";
}

TEST_F(InfoPanelTest, LinesForEachKindOfBuilding)
{
    const struct {
        const char* label;
        BuildingType type;
        int workers, upkept;
        bool supplied;
        std::vector<std::string> lines;
    } cases[] = {
        {"office with room", BuildingType::Office, 0, 3, false, {"--- OFFICE ---", "Upkeeps elves.", "[ + ] Upkeep: 3 / 4"}},
        {"full office", BuildingType::Office, 0, 4, false, {"--- OFFICE ---", "Upkeeps elves.", "[ - ] Upkeep: 4 / 4"}},
        {"staffed woodworker", BuildingType::Woodworker, 1, 0, false,
         {"--- WOODWORKER ---", "Provides wood.", "[ + ] Workers: 1 / 1", "[ + ] Working!"}},
        {"mine short of workers", BuildingType::Mine, 1, 0, false,
         {"--- MINE ---", "Provides iron ore.", "[ - ] Workers: 1 / 3", "[ - ] Not working,",
          "       needs more workers!"}},
        {"foundry short of workers, no carrier", BuildingType::Foundry, 2, 0, false,
         {"--- FOUNDRY ---", "Provides steel", "from iron ore.", "[ - ] Workers: 2 / 4", "[ - ] Not working,",
          "       needs iron ore!"}},
        {"staffed foundry, no carrier", BuildingType::Foundry, 4, 0, false,
         {"--- FOUNDRY ---", "Provides steel", "from iron ore.", "[ + ] Workers: 4 / 4", "[ - ] Not working,",
          "       needs iron ore!"}},
        {"staffed and supplied foundry", BuildingType::Foundry, 4, 0, true,
         {"--- FOUNDRY ---", "Provides steel", "from iron ore.", "[ + ] Workers: 4 / 4", "[ + ] Working!"}},
        {"oil marker", BuildingType::Oil, 0, 0, false, {"--- OIL ---", "Geologist has found", "some oil here."}},
    };
    for (const auto& c : cases) {
        game->world.buildings.clear();
        game->world.elves.clear();
        game->world.addBuilding(BuildingType::Office, 0, 0);
        game->world.addBuilding(c.type, 5, 5);
        Building& building = game->world.buildings.back();
        building.workers = c.workers;
        building.upkept = c.upkept;
        if (c.supplied) {
            game->world.pendingHire = static_cast<int>(ElfType::Carrier);
            ASSERT_TRUE(game->world.placeNewElf(0, 0));
            game->world.elves.back().foundry = 1;
        }
        EXPECT_EQ(infoPanelLines(game->world, 1), c.lines) << c.label;
    }
}

TEST_F(InfoPanelTest, OutlinesTheBuildingsFootprint)
{
    game->world.addBuilding(BuildingType::Foundry, 2, 2);
    clickTile(3, 2);
    drawOnce();
    EXPECT_EQ(pixelAt(frame, 64, 96), outline);
    EXPECT_EQ(pixelAt(frame, 64 + 96, 96 + 32), outline);
    EXPECT_EQ(pixelAt(frame, 128 + 3, 128 + 3), fillColour) << "the panel one tile right and two down";
}

using ElvesPanelTest = GameFixture;

TEST_F(ElvesPanelTest, OpensAtTheMouseAndStaysOnTheScreen)
{
    const struct {
        int mx, my, x, y;
    } cases[] = {{100, 100, 100, 100}, {430, 404, 430, 404}, {600, 450, 430, 404}, {431, 405, 430, 404}};
    for (const auto& c : cases) {
        openElvesPanel(game->world, c.mx, c.my);
        EXPECT_EQ(game->world.elvesPanelX, c.x);
        EXPECT_EQ(game->world.elvesPanelY, c.y);
    }
}

TEST_F(ElvesPanelTest, WorkerLineWithEveryWorkerEmployedKeepsThePanelOpen)
{
    game->world.addBuilding(BuildingType::Office, 2, 2);
    game->world.pendingHire = static_cast<int>(ElfType::Worker);
    ASSERT_TRUE(game->world.placeNewElf(2, 2));
    game->world.elves.back().employed = true;
    click(400, 300);
    click(420, 338);
    EXPECT_TRUE(game->world.elvesPanelOpen);
    EXPECT_FALSE(game->selectionWaits());
    EXPECT_EQ(game->statusLine().currentText(), "");
}

TEST_F(ElvesPanelTest, TitleLineOrAClickOutsideStartNothing)
{
    click(400, 300);
    click(420, 314);
    EXPECT_TRUE(game->world.elvesPanelOpen);
    click(399, 300);
    EXPECT_FALSE(game->world.elvesPanelOpen);
}

TEST_F(ElvesPanelTest, CountsFreeWorkersAndCarriers)
{
    game->world.addBuilding(BuildingType::Office, 2, 2);
    game->world.addBuilding(BuildingType::Office, 3, 2);
    const ElfType kinds[] = {ElfType::Worker, ElfType::Worker, ElfType::Carrier, ElfType::Carrier, ElfType::Geologist};
    for (const ElfType kind : kinds) {
        game->world.pendingHire = static_cast<int>(kind);
        ASSERT_TRUE(game->world.placeNewElf(game->world.elves.size() < 4 ? 2 : 3, 2));
    }
    game->world.elves[0].employed = true;
    game->world.elves[3].routeActive = true;
    EXPECT_EQ(freeWorkers(game->world), 1);
    EXPECT_EQ(freeCarriers(game->world), 1);
}

}  // namespace
}  // namespace wtrq::test
