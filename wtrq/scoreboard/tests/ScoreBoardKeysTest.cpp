// The board's keys in each phase, driven through its own loop and read back from the screen.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "BoardFixture.h"
#include "LoopbackServer.h"
#include "scoreboard/ScoreBoard.h"

using namespace boardtest;

namespace {

const std::string page = "http://127.0.0.1:8642/teamweb/wtrq/";
constexpr int shownScore = 1273;

std::vector<KeyPress> repeated(SDLKey key, int times)
{
    return std::vector<KeyPress>(static_cast<std::size_t>(times), KeyPress{key});
}

std::vector<KeyPress> operator+(std::vector<KeyPress> first, const std::vector<KeyPress>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::vector<TextAt> nameEntry(const std::string& typed)
{
    return boardLines(page, {{40, 320, "You scored: 1273"}, {40, 350, "Enter your name:"}, {40, 370, typed + "_"}});
}

std::vector<TextAt> askUpload(bool yesHighlighted)
{
    return boardLines(page, {{40, 320, "Send and fetch scores"},
                             {40, 340, "from the Internet?"},
                             {40, 370, yesHighlighted ? "[ YES ]" : "  YES"},
                             {40, 390, yesHighlighted ? "  NO" : "[ NO ]"}});
}

struct KeyCase {
    const char* name;
    std::vector<KeyPress> presses;
    // The frame after the presses, for a board still open...
    std::vector<TextAt> shown;
    // ...or how the board was left: true back to the menu, false quit the program.
    std::optional<bool> leftWith;
};

const KeyPress enter{SDLK_RETURN};
const KeyPress down{SDLK_DOWN};
const KeyPress up{SDLK_UP};

const std::vector<KeyCase> keyCases = {
    {"letters and digits as named", {{SDLK_a}, {SDLK_z}, {SDLK_0}, {SDLK_9}}, nameEntry("az09"), {}},
    {"either Shift gives capitals and the digit itself",
     {{SDLK_e, KMOD_LSHIFT}, {SDLK_l, KMOD_RSHIFT}, {SDLK_1, KMOD_LSHIFT}, {SDLK_f}},
     nameEntry("EL1f"), {}},
    {"sixteenth letter is dropped", repeated(SDLK_q, 15) + std::vector<KeyPress>{{SDLK_x}}, nameEntry("qqqqqqqqqqqqqqq"), {}},
    {"space is typed, not past fifteen",
     std::vector<KeyPress>{{SDLK_a}, {SDLK_SPACE}, {SDLK_b}} + repeated(SDLK_c, 12) + std::vector<KeyPress>{{SDLK_SPACE}},
     nameEntry("a bcccccccccccc"), {}},
    {"backspace removes the last character", {{SDLK_a}, {SDLK_b}, {SDLK_BACKSPACE}}, nameEntry("a"), {}},
    {"backspace on an empty name does nothing", {{SDLK_BACKSPACE}, {SDLK_BACKSPACE}, {SDLK_k}}, nameEntry("k"), {}},
    {"other keys type nothing",
     {{SDLK_F1}, {SDLK_MINUS}, {SDLK_TAB}, {SDLK_KP1}, {SDLK_UP}, {SDLK_PERIOD}, {SDLK_LSHIFT}},
     nameEntry(""), {}},
    {"Return asks with YES highlighted", {{SDLK_a}, enter}, askUpload(true), {}},
    {"Down moves to NO", {enter, down}, askUpload(false), {}},
    {"Up from YES also moves to NO", {enter, up}, askUpload(false), {}},
    {"Down twice comes back to YES", {enter, down, down}, askUpload(true), {}},
    {"letters do not type while asking", {enter, {SDLK_a}, {SDLK_BACKSPACE}}, askUpload(true), {}},
    {"Return on NO goes back to the menu", {enter, down, enter}, {}, true},
    {"Escape while typing goes back to the menu", {{SDLK_a}, {SDLK_ESCAPE}}, {}, true},
    {"Escape while asking goes back to the menu", {enter, {SDLK_ESCAPE}}, {}, true},
};

class ScoreBoardKeys : public BoardFixture, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ScoreBoardKeys, FrameOrExitAfterKeys)
{
    const KeyCase& keyCase = GetParam();
    // The server is there to show that no answer but YES ever reaches it.
    LoopbackServer server(ServerManner::Answer, "x|1!");
    std::vector<std::uint8_t> shown;
    std::vector<std::uint8_t> expected;
    ScriptedPacer pacer([&](int pass) {
        if (pass == 1) {
            pushKeys(keyCase.presses);
        } else if (pass == 2) {
            shown = captureScreen();
            if (!keyCase.leftWith) {
                expected = frameWith(keyCase.shown);
            }
            pushKeys({{SDLK_ESCAPE}});
        }
    });
    wtrq::ScoreBoard board(pacer, nullptr, {{"127.0.0.1", server.port()}, page});
    const bool backToMenu = board.showScoreBoard(shownScore);
    drainEvents();

    EXPECT_EQ(pacer.passes, keyCase.leftWith ? 2 : 3) << "the board left at the wrong pass";
    EXPECT_TRUE(backToMenu);
    if (!keyCase.leftWith) {
        EXPECT_TRUE(shown == expected) << "the frame differs from the texts the case expects";
    }
    EXPECT_EQ(server.connections(), 0);
}

INSTANTIATE_TEST_SUITE_P(Phases, ScoreBoardKeys, ::testing::ValuesIn(keyCases),
                         [](const ::testing::TestParamInfo<KeyCase>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

class ScoreBoardLeaving : public BoardFixture {};

TEST_F(ScoreBoardLeaving, WindowCloseQuitsFromEveryPhase)
{
    const std::vector<std::vector<KeyPress>> beforeClose = {{}, {{SDLK_a}}, {enter}, {enter, down}};
    for (const auto& presses : beforeClose) {
        ScriptedPacer pacer([&](int pass) {
            if (pass == 1) {
                pushKeys(presses);
                pushQuit();
            }
        });
        wtrq::ScoreBoard board(pacer, nullptr, {{"127.0.0.1", closedLoopbackPort()}, page});
        EXPECT_FALSE(board.showScoreBoard(shownScore)) << presses.size() << " keys before the close";
        EXPECT_EQ(pacer.passes, 2);
        drainEvents();
    }
}

TEST_F(ScoreBoardLeaving, KeyRepeatIsOnWhileShownAndOffHoweverTheBoardIsLeft)
{
    struct Leaving {
        const char* name;
        std::vector<KeyPress> presses;
        bool closeWindow;
        bool backToMenu;
    };
    // The silent server keeps the YES cases waiting on the exchange when they leave.
    const std::vector<Leaving> ways = {
        {"Escape", {{SDLK_ESCAPE}}, false, true},
        {"NO", {enter, down, enter}, false, true},
        {"window close", {}, true, false},
        {"Escape while the server is asked", {enter, enter, {SDLK_ESCAPE}}, false, true},
        {"window close while the server is asked", {enter, enter}, true, false},
    };
    for (const Leaving& way : ways) {
        LoopbackServer server(ServerManner::NeverAnswer);
        int delay = -1;
        int interval = -1;
        ScriptedPacer pacer([&](int pass) {
            if (pass == 1) {
                SDL_GetKeyRepeat(&delay, &interval);
                pushKeys(way.presses);
                if (way.closeWindow) {
                    pushQuit();
                }
            }
        });
        wtrq::ScoreBoard board(pacer, nullptr, {{"127.0.0.1", server.port()}, page});
        EXPECT_EQ(board.showScoreBoard(shownScore), way.backToMenu) << way.name;
        drainEvents();
        EXPECT_EQ(delay, 500) << way.name;
        EXPECT_EQ(interval, 30) << way.name;
        SDL_GetKeyRepeat(&delay, &interval);
        EXPECT_EQ(delay, 0) << way.name;
        EXPECT_EQ(interval, 0) << way.name;
    }
}

TEST_F(ScoreBoardLeaving, MissingBackgroundNamesThePicture)
{
    std::filesystem::remove("data/gui.pjw");
    ScriptedPacer pacer([](int) {});
    wtrq::ScoreBoard board(pacer, nullptr, {{"127.0.0.1", closedLoopbackPort()}, page});
    try {
        board.showScoreBoard(shownScore);
        FAIL() << "the board ran without its package";
    } catch (const std::exception& failure) {
        EXPECT_NE(std::string(failure.what()).find("gui.pjw"), std::string::npos) << failure.what();
    }
    int delay = -1;
    int interval = -1;
    SDL_GetKeyRepeat(&delay, &interval);
    EXPECT_EQ(delay, 0);
}

}  // namespace
