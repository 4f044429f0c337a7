// The play loop and the screen's edge cases: ending a game, the countdown, what waits hide.
#include "game/BuildMenu.h"
#include "support/GameFixture.h"
#include "support/SurfaceProbe.h"

namespace wtrq::test {
namespace {

using GameLoop = GameFixture;

constexpr Uint32 menuFill = 0x800000;

int countPixels(SDL_Surface* surface, Uint32 rgb)
{
    int count = 0;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x)
            count += pixelAt(surface, x, y) == rgb ? 1 : 0;
    return count;
}

TEST_F(GameLoop, ClosingTheWindowReturnsToTheMenuWithoutAScore)
{
    pushQuit();
    EXPECT_FALSE(game->runPass());
    EXPECT_TRUE(game->endRun());
    EXPECT_FALSE(board.shownScore.has_value());
}

TEST_F(GameLoop, EscapeLosesAPendingHireWithItsMoney)
{
    game->world.addBuilding(BuildingType::Office, 2, 2);
    chooseFromBuildMenu(7);
    ASSERT_NE(game->world.pendingHire, -1);
    pushKey(SDLK_ESCAPE);
    EXPECT_FALSE(game->runPass());
    EXPECT_TRUE(game->endRun());
    EXPECT_EQ(game->world.money, startMoney - 200);
    EXPECT_TRUE(game->world.elves.empty());
    EXPECT_FALSE(board.shownScore.has_value());
}

TEST_F(GameLoop, InGameMenuEndsTheGame)
{
    struct Case {
        int itemY;
        bool expected;
    };
    for (const Case c : {Case{48, true}, Case{72, false}}) {
        SCOPED_TRACE(c.itemY);
        game->beginRun();
        click(70, 14);
        ASSERT_TRUE(game->gameMenuOpen);
        click(100, c.itemY);
        EXPECT_FALSE(game->runPass());
        EXPECT_EQ(game->endRun(), c.expected);
        game->gameMenuOpen = false;
    }
    EXPECT_FALSE(board.shownScore.has_value());
}

TEST_F(GameLoop, MenuButtonTogglesTheMenuAndClosesEverythingElse)
{
    game->world.addBuilding(BuildingType::Office, 2, 2);
    clickTile(2, 2);
    ASSERT_EQ(game->world.infoBuilding, 0);
    chooseFromBuildMenu(1);
    ASSERT_TRUE(game->world.placing);
    click(7 + 1, 4 + 1);
    EXPECT_TRUE(game->gameMenuOpen);
    EXPECT_FALSE(game->world.placing);
    EXPECT_EQ(game->world.infoBuilding, -1);
    drawOnce();
    EXPECT_EQ(pixelAt(frame, 300, 10), 0x405060u) << "the pressed top bar shows while the menu is open";
    click(138, 24);
    EXPECT_FALSE(game->gameMenuOpen);
}

TEST_F(GameLoop, RightClickWhilePlacingCancelsAndASecondClosesTheMenu)
{
    chooseFromBuildMenu(3);
    ASSERT_TRUE(game->world.placing);
    click(300, 300, SDL_BUTTON_RIGHT);
    EXPECT_TRUE(game->buildMenuOpen);
    EXPECT_FALSE(game->world.placing);
    click(300, 300, SDL_BUTTON_RIGHT);
    EXPECT_FALSE(game->buildMenuOpen);
}

TEST_F(GameLoop, TopBarOutsideTheButtonDoesNothingEvenWhilePlacing)
{
    chooseFromBuildMenu(1);
    for (const MousePosition p : {MousePosition{6, 14}, {139, 14}, {70, 3}, {70, 25}, {300, 31}}) {
        click(p.x, p.y);
        EXPECT_FALSE(game->gameMenuOpen) << p.x << "," << p.y;
    }
    EXPECT_TRUE(game->world.placing);
    EXPECT_TRUE(game->world.buildings.empty());
    EXPECT_EQ(game->statusLine().currentText(), "");
}

TEST_F(GameLoop, RightClickIsIgnoredWhileTheElvesPanelIsOpen)
{
    click(300, 300);
    ASSERT_TRUE(game->world.elvesPanelOpen);
    click(300, 300, SDL_BUTTON_RIGHT);
    EXPECT_FALSE(game->buildMenuOpen);
}

TEST_F(GameLoop, AMarkerGetsNoInfoPanelButOpensTheElvesPanel)
{
    game->world.addBuilding(BuildingType::Iron, 4, 4);
    clickTile(4, 4);
    EXPECT_EQ(game->world.infoBuilding, -1);
    EXPECT_TRUE(game->world.elvesPanelOpen);
}

TEST_F(GameLoop, WhileAnElfWaitsNoMenuPanelOrPreviewIsDrawn)
{
    game->world.addBuilding(BuildingType::Office, 2, 2);
    chooseFromBuildMenu(7);
    ASSERT_TRUE(game->buildMenuOpen);
    drawOnce();
    EXPECT_LT(countPixels(frame, menuFill), 3000) << "only the status text's own dark red";
    clickTile(2, 2);
    drawOnce();
    EXPECT_GT(countPixels(frame, menuFill), 30000) << "the menu comes back once the elf is placed";
}

TEST_F(GameLoop, CountdownReadsFullTimeAndEndsWhenItWouldReadZero)
{
    EXPECT_EQ(game->secondsLeft, 1440);
    for (int second = 1; second < 1440; ++second) {
        clock.advance(1000);
        ASSERT_TRUE(game->runPass()) << second;
    }
    EXPECT_EQ(game->secondsLeft, 1);
    game->world.wood = 10;
    clock.advance(1000);
    EXPECT_FALSE(game->runPass());
    EXPECT_TRUE(game->endRun());
    EXPECT_EQ(board.shownScore, startMoney + 2 * 10);
}

TEST_F(GameLoop, ASecondIsNeverShorterThanOneThousandMilliseconds)
{
    clock.advance(1500);
    game->runPass();
    EXPECT_EQ(game->secondsLeft, 1439);
    clock.advance(600);
    game->runPass();
    EXPECT_EQ(game->secondsLeft, 1439) << "counted from the late step, not from when it was due";
    clock.advance(400);
    game->runPass();
    EXPECT_EQ(game->secondsLeft, 1438);
}

TEST_F(GameLoop, ClosingTheBoardWindowQuitsTheProgram)
{
    game->secondsLeft = 1;
    board.stayInProgram = false;
    clock.advance(1000);
    EXPECT_FALSE(game->runPass());
    EXPECT_FALSE(game->endRun());
}

TEST_F(GameLoop, MessagesExpireAfterTheirLifetimeOrStayUntilReplaced)
{
    game->setStatus("Building successfully bought!", 3000);
    clock.advance(2999);
    drawOnce();
    EXPECT_EQ(game->statusLine().currentText(), "Building successfully bought!");
    clock.advance(1);
    drawOnce();
    EXPECT_EQ(game->statusLine().currentText(), "");
    EXPECT_EQ(game->statusLine().lifetime(), -1);
    game->setStatus("Select office to upkeep new elf...", -1);
    clock.advance(100000);
    drawOnce();
    EXPECT_EQ(game->statusLine().currentText(), "Select office to upkeep new elf...");
}

// The bounding box of the pixels of one colour in a band of rows.
struct Box {
    int left = 640, right = -1, top = 480, bottom = -1;
};
Box boxOf(SDL_Surface* surface, Uint32 rgb, int fromRow, int toRow)
{
    Box box;
    for (int y = fromRow; y <= toRow; ++y)
        for (int x = 0; x < surface->w; ++x)
            if (pixelAt(surface, x, y) == rgb) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

TEST_F(GameLoop, StatusTextIsDarkRedOutlinedAndCentred)
{
    game->setStatus("Invalid spot for building!", 3000);
    drawOnce();
    const Box red = boxOf(frame, 0x800000, 60, 100);
    const Box grey = boxOf(frame, 0xD9D9D9, 60, 100);
    ASSERT_GE(red.right, 0) << "no dark red text";
    EXPECT_NEAR((red.left + red.right) / 2.0, 320, 3);
    EXPECT_EQ(grey.left, red.left - 2);
    EXPECT_EQ(grey.right, red.right + 2);
    EXPECT_EQ(grey.top, red.top - 2);
}

TEST(TimeLeftText, MinutesAndSecondsWithoutLeadingZeros)
{
    const std::pair<int, const char*> cases[] = {
        {1440, "Time left: 24:0"}, {307, "Time left: 5:7"}, {60, "Time left: 1:0"}, {59, "Time left: 0:59"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(timeLeftText(seconds), text);
}

}  // namespace
}  // namespace wtrq::test
