// A whole game on the real packages, played through clicks alone in simulated time, from the
// first office to a carrier's route and the end of the countdown.
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "support/GameFixture.h"

namespace wtrq::test {
namespace {

namespace fs = std::filesystem;

// Plays by pointing and pressing only; what it reads of the game is what a player sees.
class ScriptedPlayer {
public:
    ScriptedPlayer(GameScreen& game, ManualClock& clock, TestInput& input) : game(game), clock(clock), input(input) {}

    bool pass(Ticks step = 50)
    {
        clock.advance(step);
        return game.runPass();
    }
    void click(int x, int y, Uint8 button = SDL_BUTTON_LEFT)
    {
        input.position = {x, y};
        pass();
        pushButton(button);
        pushButton(button, false);
        pass();
    }
    void clickTile(TilePos tile) { click(32 * tile.x + 16, 32 * (tile.y + 1) + 16); }
    void openBuildMenu()
    {
        if (!game.buildMenuOpen)
            click(200, 150, SDL_BUTTON_RIGHT);
    }
    void closeBuildMenu()
    {
        if (game.buildMenuOpen)
            click(200, 150, SDL_BUTTON_RIGHT);
    }
    void chooseItem(int item)
    {
        openBuildMenu();
        click(game.buildMenuX + 100, game.buildMenuY + 14 + 24 * (item - 1));
    }
    // Tries spots from the top-left corner on until one is bought; the spot, or (-1, -1).
    TilePos buy(BuildingType type, const std::function<bool(TilePos)>& wanted = [](TilePos) { return true; })
    {
        chooseItem(static_cast<int>(type));
        for (int ty = 0; ty < mapRows && game.world.placing; ++ty)
            for (int tx = 0; tx < mapColumns && game.world.placing; ++tx) {
                if (!wanted({tx, ty}))
                    continue;
                clickTile({tx, ty});
                if (game.statusLine().currentText() == "Building successfully bought!")
                    return {tx, ty};
            }
        click(200, 150, SDL_BUTTON_RIGHT);  // gives up: the menu cancels the placement
        closeBuildMenu();
        return {-1, -1};
    }
    bool hire(int item, TilePos office)
    {
        chooseItem(item);
        if (game.statusLine().currentText() != "Select office to upkeep new elf...")
            return false;
        clickTile(office);
        closeBuildMenu();
        return game.statusLine().currentText() == "New elf hired!";
    }
    // Empty ground for the free-elves panel: a tile with no building on it.
    TilePos emptyGround() const
    {
        for (int ty = 2; ty < 10; ++ty)
            for (int tx = 0; tx < 12; ++tx) {
                bool taken = false;
                for (const Building& b : game.world.buildings)
                    taken = taken || (b.contains(tx, ty) && !isMarker(b.type));
                if (!taken)
                    return {tx, ty};
            }
        return {0, 13};
    }
    bool pickFromElvesPanel(int line, const std::string& expected)
    {
        const TilePos ground = emptyGround();
        clickTile(ground);
        click(input.position.x + 20, game.world.elvesPanelY + 38 + 24 * (line - 1));
        return game.statusLine().currentText() == expected;
    }
    bool sendWorker(TilePos workplace)
    {
        if (!pickFromElvesPanel(1, "Select working place for worker..."))
            return false;
        clickTile(workplace);
        return game.statusLine().currentText() == "Worker is on his way to his new job!";
    }
    bool setUpCarrier(TilePos mine, TilePos foundry)
    {
        if (!pickFromElvesPanel(2, "Select mine where carrier picks up iron ore..."))
            return false;
        clickTile(mine);
        clickTile(foundry);
        return game.statusLine().currentText() == "Carrier is now supplying foundry with iron ore!";
    }
    // Lets the game run until the condition holds; false when the game ended first.
    bool waitFor(const std::function<bool()>& condition)
    {
        while (!condition())
            if (!pass(250))
                return false;
        return true;
    }
    // An office with room, bought when every office is full.
    TilePos officeWithRoom()
    {
        for (const Building& b : game.world.buildings)
            if (b.type == BuildingType::Office && b.upkept < officeUpkeep)
                return {b.x, b.y};
        return buy(BuildingType::Office);
    }
    // Waits for the money a hire (and an office for it, when all are full) costs.
    bool hireInto(int item)
    {
        const int price[] = {0, 0, 0, 0, 0, 0, 0, 200, 600, 400};
        return waitFor([&] { return game.world.money >= price[item] + 700; }) && hire(item, officeWithRoom());
    }
    int count(BuildingType type) const
    {
        return static_cast<int>(std::count_if(game.world.buildings.begin(), game.world.buildings.end(),
                                              [type](const Building& b) { return b.type == type; }));
    }
    int count(ElfType type) const
    {
        return static_cast<int>(std::count_if(game.world.elves.begin(), game.world.elves.end(),
                                              [type](const Elf& e) { return e.type == type; }));
    }
    // Every geologist finds one deposit, iron or oil, sometimes where an obstacle stands and no
    // mine can go; a player hires more until a mine can be put on iron.
    TilePos mineOnIron()
    {
        std::vector<TilePos> tried;
        for (int tries = 0; tries < 24; ++tries) {
            if (!waitFor([&] {
                    return count(BuildingType::Oil) + count(BuildingType::Iron) >= count(ElfType::Geologist);
                }))
                return {-1, -1};
            for (const Building& b : game.world.buildings) {
                const TilePos iron{b.x, b.y};
                if (b.type != BuildingType::Iron || std::find(tried.begin(), tried.end(), iron) != tried.end())
                    continue;
                tried.push_back(iron);
                if (!waitFor([&] { return game.world.money >= 4000; }))
                    return {-1, -1};
                const TilePos mine = buy(BuildingType::Mine, [&](TilePos t) {
                    return t.x == iron.x && (t.y == iron.y || t.y == iron.y - 1);
                });
                std::printf("scripted player: iron at %d,%d: %s\n", iron.x, iron.y,
                            game.statusLine().currentText().c_str());
                if (mine.x != -1)
                    return mine;
                break;  // the list changed under the loop: the marker stays, buildings may not
            }
            if (!waitFor([&] { return game.world.money >= 1400; }) || !hireInto(8))
                return {-1, -1};
        }
        return {-1, -1};
    }
    std::optional<TilePos> ironFound() const
    {
        for (const Building& b : game.world.buildings)
            if (b.type == BuildingType::Iron)
                return TilePos{b.x, b.y};
        return std::nullopt;
    }

private:
    GameScreen& game;
    ManualClock& clock;
    TestInput& input;
};

class ScriptedGame : public SdlFixture {
protected:
    void SetUp() override
    {
        SdlFixture::SetUp();
        startFolder = fs::current_path();
        fs::current_path(WTRQ_GAME_TEST_DATA);
    }
    void TearDown() override
    {
        fs::current_path(startFolder);
        SdlFixture::TearDown();
    }
    fs::path startFolder;
};

TEST_F(ScriptedGame, FromTheFirstOfficeToTheEndOfTimeThroughClicksAlone)
{
    ManualClock clock{1000};
    TestInput input;
    SeededRandom random{3};
    RecordingBoard board;
    NoPacer pacer;
    GameSeams seams;
    seams.clock = &clock;
    seams.input = &input;
    seams.random = &random;
    seams.scoreBoard = &board;
    GameScreen game(pacer, GameOptions{}, seams);
    game.loadResources();
    game.beginRun();
    ScriptedPlayer player(game, clock, input);

    const TilePos office = player.buy(BuildingType::Office);
    ASSERT_NE(office.x, -1);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(player.hire(7, office)) << "worker " << i;
    ASSERT_TRUE(player.hire(8, office));
    const TilePos woodworker = player.buy(BuildingType::Woodworker);
    const TilePos factory = player.buy(BuildingType::Factory);
    ASSERT_NE(factory.x, -1);
    for (const TilePos workplace : {woodworker, factory, factory})
        ASSERT_TRUE(player.sendWorker(workplace));

    const TilePos mine = player.mineOnIron();
    ASSERT_NE(mine.x, -1) << "no mine on iron; geologists " << player.count(ElfType::Geologist);
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(player.hireInto(7));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(player.sendWorker(mine));

    ASSERT_TRUE(player.waitFor([&] { return game.world.money >= 7700; }));
    const TilePos foundry = player.buy(BuildingType::Foundry);
    ASSERT_NE(foundry.x, -1);
    ASSERT_TRUE(player.waitFor([&] { return game.world.money >= 1700; }));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(player.hireInto(7));
    ASSERT_TRUE(player.hireInto(9));
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(player.sendWorker(foundry));
    // The mine works once its three workers have walked in, the foundry once its four have.
    ASSERT_TRUE(player.waitFor([&] {
        const auto at = [&](TilePos t) -> const Building& {
            for (const Building& b : game.world.buildings)
                if (!isMarker(b.type) && b.x == t.x && b.y == t.y)
                    return b;
            throw std::logic_error("no building");
        };
        return at(mine).workers == 3 && at(foundry).workers == 4;
    }));
    ASSERT_TRUE(player.setUpCarrier(mine, foundry));
    const int secondsAtRoute = game.secondsLeft;

    while (player.pass(250)) {
    }
    EXPECT_EQ(game.secondsLeft, 0);
    EXPECT_GT(game.world.steel + game.world.money, 0);
    const int expected = game.world.money + 2 * game.world.wood + 3 * game.world.steel + 4 * game.world.plastic;
    EXPECT_TRUE(game.endRun());
    ASSERT_TRUE(board.shownScore.has_value());
    EXPECT_EQ(*board.shownScore, expected);
    std::printf("scripted player: route set up with %d s left; money %d wood %d steel %d plastic %d; score %d\n",
                secondsAtRoute, game.world.money, game.world.wood, game.world.steel, game.world.plastic,
                *board.shownScore);
}

// Events from a queue of its own, never from SDL's: whatever reads them reads the game's input.
class QueuedInput final : public InputSource {
public:
    int poll(SDL_Event* event) override
    {
        if (queued.empty())
            return 0;
        *event = queued.front();
        queued.pop_front();
        return 1;
    }
    MousePosition mouse() const override { return {320, 240}; }
    std::deque<SDL_Event> queued;
};

// A loop that runs on long after its events were given has missed them.
class BoundedPacer final : public FramePacer {
public:
    void passDone() override
    {
        if (++passes > 200)
            throw std::runtime_error("the loop never saw the events it was given");
    }
    int passes = 0;
};

TEST_F(ScriptedGame, TheScoreBoardAtTheEndOfTimeReadsTheGamesOwnInput)
{
    struct Leaving {
        const char* name;
        SDL_Event event;
        bool backToMenu;
    };
    SDL_Event escape{};
    escape.type = SDL_KEYDOWN;
    escape.key.state = SDL_PRESSED;
    escape.key.keysym.sym = SDLK_ESCAPE;
    SDL_Event close{};
    close.type = SDL_QUIT;
    for (const Leaving& way : {Leaving{"Escape", escape, true}, Leaving{"window close", close, false}}) {
        ManualClock clock{1000};
        QueuedInput input;
        SeededRandom random{3};
        BoundedPacer pacer;
        GameSeams seams;
        seams.clock = &clock;
        seams.input = &input;
        seams.random = &random;
        GameScreen game(pacer, GameOptions{1}, seams);
        game.loadResources();
        game.beginRun();
        clock.advance(1000);
        ASSERT_FALSE(game.runPass()) << way.name;
        ASSERT_TRUE(game.gameOver) << way.name;
        input.queued.push_back(way.event);
        pacer.passes = 0;
        EXPECT_EQ(game.endRun(), way.backToMenu) << way.name;
        EXPECT_EQ(pacer.passes, 1) << way.name << ": the board should leave on its first pass";
        EXPECT_TRUE(input.queued.empty()) << way.name;
    }
}

}  // namespace
}  // namespace wtrq::test
