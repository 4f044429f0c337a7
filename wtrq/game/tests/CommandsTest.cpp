// Clicks through the command state machine: status text, lifetime, sound and the state left behind.
#include <functional>
#include <optional>
#include <string>

#include "game/ElvesPanel.h"
#include "support/GameFixture.h"

namespace wtrq::test {
namespace {

struct CommandCase {
    const char* name;
    std::function<void(GameFixture&, GameScreen&)> arrange;
    std::function<void(GameFixture&, GameScreen&)> act;
    std::string status;
    std::int32_t lifetime;
    std::optional<GameSound> sound;
    std::function<void(GameScreen&)> check;
};

class CommandTable : public GameFixture, public ::testing::WithParamInterface<CommandCase> {};

void officeAt(GameScreen& game, int x, int y)
{
    game.world.addBuilding(BuildingType::Office, x, y);
}

// A hired worker standing on the office at (2, 2), free for work.
void freeWorker(GameScreen& game)
{
    officeAt(game, 2, 2);
    game.world.pendingHire = static_cast<int>(ElfType::Worker);
    ASSERT_TRUE(game.world.placeNewElf(2, 2));
}

void freeCarrierWithMineAndFoundry(GameScreen& game, int mineWorkers, int foundryWorkers)
{
    officeAt(game, 2, 2);
    game.world.pendingHire = static_cast<int>(ElfType::Carrier);
    ASSERT_TRUE(game.world.placeNewElf(2, 2));
    game.world.addBuilding(BuildingType::Mine, 5, 5);
    game.world.buildings.back().workers = mineWorkers;
    game.world.addBuilding(BuildingType::Foundry, 8, 5);
    game.world.buildings.back().workers = foundryWorkers;
}

// Opens the free-elves panel on empty ground at (400, 300) and clicks one of its lines.
void pickFromElvesPanel(GameFixture& test, int line)
{
    test.click(400, 300);
    test.click(420, 300 + 38 + 24 * (line - 1));
}

const CommandCase commandCases[] = {
    {"HireWithRoomWaitsForOffice", [](auto&, GameScreen& g) { officeAt(g, 2, 2); },
     [](auto& t, auto&) { t.chooseFromBuildMenu(7); }, "Select office to upkeep new elf...", -1, std::nullopt,
     [](GameScreen& g) {
         EXPECT_EQ(g.world.pendingHire, static_cast<int>(ElfType::Worker));
         EXPECT_TRUE(g.buildMenuOpen);
         EXPECT_EQ(g.world.money, startMoney - 200);
     }},
    {"HireWithoutOffice", [](auto&, auto&) {}, [](auto& t, auto&) { t.chooseFromBuildMenu(8); },
     "You don't have available upkeep in any office! Build more offices...", 3000, std::nullopt,
     [](GameScreen& g) { EXPECT_EQ(g.world.pendingHire, -1); }},
    {"HireWithoutMoney", [](auto&, GameScreen& g) { officeAt(g, 2, 2); g.world.money = 399; },
     [](auto& t, auto&) { t.chooseFromBuildMenu(9); }, "You don't have enough money!", 3000, std::nullopt,
     [](GameScreen& g) { EXPECT_EQ(g.world.pendingHire, -1); }},
    {"NewElfPlacedInOffice", [](auto& t, GameScreen& g) { officeAt(g, 2, 2); t.chooseFromBuildMenu(7); },
     [](auto& t, auto&) { t.clickTile(2, 2); }, "New elf hired!", 3000, GameSound::Pop,
     [](GameScreen& g) {
         EXPECT_EQ(g.world.pendingHire, -1);
         EXPECT_EQ(g.world.elves.size(), 1u);
         EXPECT_TRUE(g.buildMenuOpen);
     }},
    {"NewElfRefusedOffTheOffice", [](auto& t, GameScreen& g) { officeAt(g, 2, 2); t.chooseFromBuildMenu(7); },
     [](auto& t, auto&) { t.clickTile(6, 6); t.clickTile(2, 3); },
     "This office is fully occupied, select another office...", -1, std::nullopt,
     [](GameScreen& g) { EXPECT_EQ(g.world.pendingHire, static_cast<int>(ElfType::Worker)); }},
    {"PlacementBought", [](auto& t, auto&) { t.chooseFromBuildMenu(2); }, [](auto& t, auto&) { t.clickTile(4, 4); },
     "Building successfully bought!", 3000, GameSound::Build,
     [](GameScreen& g) {
         EXPECT_FALSE(g.world.placing);
         ASSERT_EQ(g.world.buildings.size(), 1u);
         EXPECT_EQ(g.world.buildings[0].position(), std::make_pair(4, 4));
         EXPECT_EQ(g.world.money, startMoney - 1000);
     }},
    {"PlacementWithoutMoney", [](auto& t, GameScreen& g) { g.world.money = 100; t.chooseFromBuildMenu(1); },
     [](auto& t, auto&) { t.clickTile(4, 4); }, "You don't have enough money!", 3000, std::nullopt,
     [](GameScreen& g) { EXPECT_TRUE(g.world.placing); }},
    {"PlacementOnObstacle", [](auto& t, auto&) { t.chooseFromBuildMenu(1); },
     [](auto& t, auto&) { t.clickTile(19, 0); }, "Invalid spot for building!", 3000, std::nullopt,
     [](GameScreen& g) {
         EXPECT_TRUE(g.world.placing);
         EXPECT_TRUE(g.world.buildings.empty());
     }},
    {"FreeWorkerPicked", [](auto&, GameScreen& g) { freeWorker(g); },
     [](auto& t, auto&) { pickFromElvesPanel(t, 1); }, "Select working place for worker...", -1, std::nullopt,
     [](GameScreen& g) {
         EXPECT_EQ(g.world.workerToAssign, 0);
         EXPECT_FALSE(g.world.elvesPanelOpen);
     }},
    {"WorkerSentToWoodworker",
     [](auto& t, GameScreen& g) { freeWorker(g); g.world.addBuilding(BuildingType::Woodworker, 6, 6); pickFromElvesPanel(t, 1); },
     [](auto& t, auto&) { t.clickTile(6, 6); }, "Worker is on his way to his new job!", 3000, GameSound::Walk,
     [](GameScreen& g) {
         EXPECT_EQ(g.world.workerToAssign, -1);
         EXPECT_TRUE(g.world.elves[0].employed);
     }},
    {"WorkerRefusedByOffice", [](auto& t, GameScreen& g) { freeWorker(g); pickFromElvesPanel(t, 1); },
     [](auto& t, auto&) { t.clickTile(2, 2); },
     "Can't work here! Building is full or it's office (offices need no workers)!", 3000, std::nullopt,
     [](GameScreen& g) {
         EXPECT_EQ(g.world.workerToAssign, -1);
         EXPECT_FALSE(g.world.elves[0].employed);
     }},
    {"CarrierRefusedWithoutFoundry",
     [](auto&, GameScreen& g) {
         freeCarrierWithMineAndFoundry(g, 3, 4);
         g.world.buildings.pop_back();
     },
     [](auto& t, auto&) { pickFromElvesPanel(t, 2); },
     "You must have both, mine and foundry to set up carrier's path!", 3000, std::nullopt,
     [](GameScreen& g) {
         EXPECT_TRUE(g.world.elvesPanelOpen);
         EXPECT_EQ(g.world.carrierForMine, -1);
     }},
    {"CarrierPicked", [](auto&, GameScreen& g) { freeCarrierWithMineAndFoundry(g, 3, 4); },
     [](auto& t, auto&) { pickFromElvesPanel(t, 2); }, "Select mine where carrier picks up iron ore...", -1,
     std::nullopt, [](GameScreen& g) { EXPECT_EQ(g.world.carrierForMine, 0); }},
    {"MineAccepted", [](auto& t, GameScreen& g) { freeCarrierWithMineAndFoundry(g, 3, 4); pickFromElvesPanel(t, 2); },
     [](auto& t, auto&) { t.clickTile(5, 6); }, "Choose foundry to supply it with iron ore...", -1, std::nullopt,
     [](GameScreen& g) {
         EXPECT_EQ(g.world.carrierForMine, -1);
         EXPECT_EQ(g.world.carrierForFoundry, 0);
     }},
    {"MineRefusedWhenIdle", [](auto& t, GameScreen& g) { freeCarrierWithMineAndFoundry(g, 2, 4); pickFromElvesPanel(t, 2); },
     [](auto& t, auto&) { t.clickTile(5, 5); }, "Either this mine's not working or you clicked something else!",
     3000, std::nullopt, [](GameScreen& g) { EXPECT_FALSE(g.selectionWaits()); }},
    {"FoundrySupplied",
     [](auto& t, GameScreen& g) {
         freeCarrierWithMineAndFoundry(g, 3, 4);
         pickFromElvesPanel(t, 2);
         t.clickTile(5, 5);
     },
     [](auto& t, auto&) { t.clickTile(10, 5); }, "Carrier is now supplying foundry with iron ore!", 3000,
     GameSound::Walk,
     [](GameScreen& g) {
         EXPECT_FALSE(g.selectionWaits());
         EXPECT_TRUE(g.world.elves[0].routeActive);
     }},
    {"FoundryRefusedWithoutWorkers",
     [](auto& t, GameScreen& g) {
         freeCarrierWithMineAndFoundry(g, 3, 3);
         pickFromElvesPanel(t, 2);
         t.clickTile(5, 5);
     },
     [](auto& t, auto&) { t.clickTile(8, 5); },
     "Either this foundry has no workers or you clicked something else!", 3000, std::nullopt,
     [](GameScreen& g) {
         EXPECT_FALSE(g.selectionWaits());
         EXPECT_FALSE(g.world.elves[0].routeActive);
     }},
};

TEST_P(CommandTable, ClickOutcome)
{
    const CommandCase& c = GetParam();
    c.arrange(*this, *game);
    sounds.played.clear();
    c.act(*this, *game);
    EXPECT_EQ(game->statusLine().currentText(), c.status);
    EXPECT_EQ(game->statusLine().lifetime(), c.lifetime);
    if (c.sound) {
        EXPECT_EQ(sounds.played, std::vector<GameSound>{*c.sound});
    } else {
        EXPECT_TRUE(sounds.played.empty());
    }
    c.check(*game);
}

INSTANTIATE_TEST_SUITE_P(GameScreen, CommandTable, ::testing::ValuesIn(commandCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wtrq::test
