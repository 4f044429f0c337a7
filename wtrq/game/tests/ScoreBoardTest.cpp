// The score board: keys in each phase, and what each phase draws where.
#include "game/ScoreBoard.h"
#include "game/ScoreBoardState.h"
#include "support/GameFixture.h"
#include "support/SurfaceProbe.h"

namespace wtrq::test {
namespace {

SDL_Event keyPress(SDLKey key, SDLMod mod = KMOD_NONE)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    return event;
}

struct Press {
    SDLKey key;
    SDLMod mod = KMOD_NONE;
};

struct KeyCase {
    const char* label;
    std::vector<Press> presses;
    BoardPhase phase;
    std::string name;
    int choice;
    bool leave;
    bool exchange;  // the last press starts the exchange
};

ScoreBoardState typed(const std::vector<Press>& presses, bool& exchangeStarted)
{
    ScoreBoardState state;
    exchangeStarted = false;
    for (const Press& press : presses)
        exchangeStarted = state.handleEvent(keyPress(press.key, press.mod)) == BoardAction::StartExchange;
    return state;
}

std::vector<Press> letters(int count)
{
    std::vector<Press> presses;
    for (int i = 0; i < count; ++i)
        presses.push_back({static_cast<SDLKey>(SDLK_a + i)});
    return presses;
}

TEST(ScoreBoardKeys, EachPhaseTakesItsOwnKeys)
{
    const KeyCase cases[] = {
        {"letters and digits", {{SDLK_j}, {SDLK_o}, {SDLK_e}, {SDLK_7}}, BoardPhase::NameEntry, "joe7", 0, false, false},
        {"shift gives capitals, a digit stays a digit",
         {{SDLK_a, KMOD_LSHIFT}, {SDLK_n}, {SDLK_2, KMOD_RSHIFT}}, BoardPhase::NameEntry, "An2", 0, false, false},
        {"space and backspace", {{SDLK_a}, {SDLK_SPACE}, {SDLK_b}, {SDLK_BACKSPACE}}, BoardPhase::NameEntry, "a ", 0,
         false, false},
        {"backspace on empty", {{SDLK_BACKSPACE}, {SDLK_BACKSPACE}}, BoardPhase::NameEntry, "", 0, false, false},
        {"other keys do nothing", {{SDLK_F1}, {SDLK_PERIOD}, {SDLK_UP}, {SDLK_TAB}}, BoardPhase::NameEntry, "", 0,
         false, false},
        {"return asks", {{SDLK_x}, {SDLK_RETURN}}, BoardPhase::AskUpload, "x", 0, false, false},
        {"typing stops in the question", {{SDLK_RETURN}, {SDLK_q}, {SDLK_BACKSPACE}}, BoardPhase::AskUpload, "", 0,
         false, false},
        {"up and down toggle", {{SDLK_RETURN}, {SDLK_UP}}, BoardPhase::AskUpload, "", 1, false, false},
        {"down twice is back on yes", {{SDLK_RETURN}, {SDLK_DOWN}, {SDLK_DOWN}}, BoardPhase::AskUpload, "", 0, false,
         false},
        {"no leaves without a network", {{SDLK_RETURN}, {SDLK_DOWN}, {SDLK_RETURN}}, BoardPhase::AskUpload, "", 1, true,
         false},
        {"yes starts the exchange", {{SDLK_RETURN}, {SDLK_RETURN}}, BoardPhase::AskUpload, "", 0, false, true},
        {"keys wait while it runs", {{SDLK_RETURN}, {SDLK_RETURN}, {SDLK_DOWN}, {SDLK_RETURN}}, BoardPhase::AskUpload,
         "", 0, false, false},
        {"escape in name entry", {{SDLK_a}, {SDLK_ESCAPE}}, BoardPhase::NameEntry, "a", 0, true, false},
        {"escape in the question", {{SDLK_RETURN}, {SDLK_ESCAPE}}, BoardPhase::AskUpload, "", 0, true, false},
        {"escape while exchanging", {{SDLK_RETURN}, {SDLK_RETURN}, {SDLK_ESCAPE}}, BoardPhase::AskUpload, "", 0, true,
         false},
    };
    for (const KeyCase& c : cases) {
        bool exchange = false;
        const ScoreBoardState state = typed(c.presses, exchange);
        EXPECT_EQ(state.phase, c.phase) << c.label;
        EXPECT_EQ(state.playerName, c.name) << c.label;
        EXPECT_EQ(state.uploadChoice, c.choice) << c.label;
        EXPECT_EQ(state.leave, c.leave) << c.label;
        EXPECT_EQ(exchange, c.exchange) << c.label;
        EXPECT_FALSE(state.windowClosed) << c.label;
    }
}

TEST(ScoreBoardKeys, NamesKeepTheirFirstFifteenCharacters)
{
    bool exchange = false;
    std::vector<Press> presses = letters(16);
    EXPECT_EQ(typed(presses, exchange).playerName, "abcdefghijklmno");
    presses = letters(15);
    presses.push_back({SDLK_SPACE});
    EXPECT_EQ(typed(presses, exchange).playerName.size(), 15u);
}

TEST(ScoreBoardKeys, ResultsTakeOnlyEscapeAndTheCloseRequest)
{
    ScoreBoardState state;
    state.showResults(false, {{"anna", "1200"}});
    for (const SDLKey key : {SDLK_RETURN, SDLK_a, SDLK_UP, SDLK_BACKSPACE})
        EXPECT_EQ(state.handleEvent(keyPress(key)), BoardAction::None);
    EXPECT_EQ(state.phase, BoardPhase::Results);
    EXPECT_FALSE(state.leave);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    state.handleEvent(quit);
    EXPECT_TRUE(state.leave);
    EXPECT_TRUE(state.windowClosed);
}

TEST(ScoreBoardKeys, AFailedExchangeShowsNoRows)
{
    ScoreBoardState state;
    state.showResults(true, {{"anna", "1200"}});
    EXPECT_TRUE(state.uploadFailed);
    EXPECT_TRUE(state.rows.empty());
}

class ScoreBoardDrawing : public SdlFixture {
protected:
    void SetUp() override
    {
        SdlFixture::SetUp();
        target = makeMemorySurface(640, 480);
        background = makeMemorySurface(640, 480);
        SDL_FillRect(background, nullptr, 0x102030);
    }
    void TearDown() override
    {
        SDL_FreeSurface(target);
        SDL_FreeSurface(background);
        SdlFixture::TearDown();
    }
    // White pixels in a box of the drawn board.
    int whiteIn(int x, int y, int w, int h) const
    {
        int count = 0;
        for (int row = y; row < y + h; ++row)
            for (int column = x; column < x + w; ++column)
                count += pixelAt(target, column, row) == 0xFFFFFF ? 1 : 0;
        return count;
    }
    SDL_Surface* target = nullptr;
    SDL_Surface* background = nullptr;
    NoPacer pacer;
    ScoreBoard board{pacer, nullptr, ScoreSettings{{"127.0.0.1", 9}, "http://example.test/scores"}};
};

TEST_F(ScoreBoardDrawing, EachPhaseWritesItsLinesWhereTheyBelong)
{
    ScoreBoardState state;
    board.drawBoard(target, background, state, 1273);
    EXPECT_EQ(pixelAt(target, 5, 5), 0x102030u) << "the background first";
    EXPECT_GT(whiteIn(40, 320, 200, 18), 0) << "You scored";
    EXPECT_GT(whiteIn(50, 435, 200, 18), 0) << "ESC line";
    EXPECT_GT(whiteIn(400, 420, 200, 40), 0) << "score page lines";
    EXPECT_EQ(whiteIn(330, 75, 300, 200), 0) << "no rows yet";

    state.showResults(false, {{"anna", "1200"}, {"joe b", "950"}});
    board.drawBoard(target, background, state, 1273);
    EXPECT_GT(whiteIn(330, 75, 150, 18), 0);
    EXPECT_GT(whiteIn(520, 95, 100, 18), 0);
    EXPECT_EQ(whiteIn(330, 115, 300, 18), 0) << "two rows only";
    EXPECT_EQ(whiteIn(40, 320, 200, 80), 0) << "no name entry lines";

    ScoreBoardState failed;
    failed.showResults(true, {});
    board.drawBoard(target, background, failed, 1273);
    EXPECT_GT(whiteIn(40, 370, 200, 18), 0) << "Failure occured!";
}

}  // namespace
}  // namespace wtrq::test
