// YES on the board: what goes to the server, what comes back on the screen, and how the board
// gets out of a server that fails or never answers.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "BoardFixture.h"
#include "LoopbackServer.h"
#include "scoreboard/ScoreBoard.h"

using namespace boardtest;
using namespace std::chrono_literals;

namespace {

const std::string page = "http://127.0.0.1:8642/teamweb/wtrq/";
const std::vector<KeyPress> sayYes = {{SDLK_RETURN}, {SDLK_RETURN}};

struct Row {
    std::string name;
    std::string score;
};

std::vector<TextAt> resultsWith(const std::vector<Row>& rows)
{
    std::vector<TextAt> lines;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = 75 + 20 * static_cast<int>(i);
        lines.push_back({330, y, rows[i].name});
        lines.push_back({520, y, rows[i].score});
    }
    return boardLines(page, lines);
}

std::vector<TextAt> failureShown()
{
    return boardLines(page, {{40, 370, "Failure occured!"}});
}

struct Outcome {
    bool backToMenu = false;
    bool reached = false;      // the expected frame was shown
    int passesAfterIt = 0;     // passes from that frame until the board returned
};

// Types, says YES, waits for the expected frame, then sends the closing event (a key or a
// window close) once the frame was there.
Outcome runExchange(const wtrq::ScoreServerAddress& server, std::vector<KeyPress> presses, int score,
                    const std::vector<TextAt>& awaited, std::chrono::milliseconds limit,
                    const std::vector<KeyPress>& whenShown, bool closeWindow)
{
    Outcome outcome;
    int reachedAt = 0;
    ScriptedPacer pacer([&](int pass) {
        if (pass == 1) {
            pushKeys(presses);
        } else if (reachedAt == 0 && captureScreen() == frameWith(awaited)) {
            reachedAt = pass;
            pushKeys(whenShown);
            if (closeWindow) {
                pushQuit();
            }
        }
    });
    wtrq::ScoreBoard board(pacer, nullptr, {server, page}, limit);
    outcome.backToMenu = board.showScoreBoard(score);
    drainEvents();
    outcome.reached = reachedAt != 0;
    outcome.passesAfterIt = pacer.passes - reachedAt;
    return outcome;
}

struct ReplyCase {
    const char* name;
    std::string reply;
    std::vector<Row> shown;
    ServerManner manner = ServerManner::Answer;
};

const std::string seventeen = [] {
    std::string reply;
    for (int i = 1; i <= 17; ++i) {
        reply += "p" + std::to_string(i) + "|" + std::to_string(1000 - i) + "&";
    }
    return reply + "!";
}();

std::vector<Row> firstFifteen()
{
    std::vector<Row> rows;
    for (int i = 1; i <= 15; ++i) {
        rows.push_back({"p" + std::to_string(i), std::to_string(1000 - i)});
    }
    return rows;
}

const std::vector<Row> fifteenAnns(15, Row{"ann", "1"});

const std::vector<ReplyCase> replyCases = {
    {"two rows, plus as space", "anna|1200&joe+b|950!", {{"anna", "1200"}, {"joe b", "950"}}},
    {"seventeen records show fifteen", seventeen, firstFifteen()},
    {"third field dropped", "anna|1200|extra&bo|7|x|y!", {{"anna", "1200"}, {"bo", "7"}}},
    {"record without bar not shown", "anna|1200&stray&bo|7&!", {{"anna", "1200"}, {"bo", "7"}}},
    {"empty list", "!", {}},
    {"bytes after the bang ignored", "anna|1200!bo|7", {{"anna", "1200"}}},
    {"closed before bang keeps what came", "anna|1200&bo|7", {{"anna", "1200"}, {"bo", "7"}}},
    {"endless reply is cut and shown", "ann|1&", fifteenAnns, ServerManner::Endless},
};

class ScoreBoardReplies : public BoardFixture, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(ScoreBoardReplies, RowsDrawnAtTheirPlaces)
{
    LoopbackServer server(GetParam().manner, GetParam().reply);
    const Outcome outcome = runExchange({"127.0.0.1", server.port()}, sayYes, 10, resultsWith(GetParam().shown), 10s,
                                        {{SDLK_ESCAPE}}, false);
    EXPECT_TRUE(outcome.reached) << "the rows never appeared";
    EXPECT_TRUE(outcome.backToMenu);
}

INSTANTIATE_TEST_SUITE_P(Replies, ScoreBoardReplies, ::testing::ValuesIn(replyCases),
                         [](const ::testing::TestParamInfo<ReplyCase>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

class ScoreBoardExchange : public BoardFixture {};

TEST_F(ScoreBoardExchange, KeysInResultsChangeNothingAndEscapeReturns)
{
    LoopbackServer server(ServerManner::Answer, "anna|1200!");
    int reachedAt = 0;
    std::vector<std::uint8_t> afterKeys;
    const std::vector<TextAt> results = resultsWith({{"anna", "1200"}});
    ScriptedPacer pacer([&](int pass) {
        if (pass == 1) {
            pushKeys(sayYes);
        } else if (reachedAt == 0 && captureScreen() == frameWith(results)) {
            reachedAt = pass;
            pushKeys({{SDLK_a}, {SDLK_UP}, {SDLK_RETURN}, {SDLK_BACKSPACE}});
        } else if (reachedAt != 0 && pass == reachedAt + 1) {
            afterKeys = captureScreen();
            pushKeys({{SDLK_ESCAPE}});
        }
    });
    wtrq::ScoreBoard board(pacer, nullptr, {{"127.0.0.1", server.port()}, page});
    EXPECT_TRUE(board.showScoreBoard(10));
    ASSERT_NE(reachedAt, 0);
    EXPECT_EQ(pacer.passes, reachedAt + 2);
    EXPECT_TRUE(afterKeys == frameWith(results));
    EXPECT_EQ(server.connections(), 1);
}

TEST(ScoreBoardState, AFailedExchangeShowsNoRowsEvenWhenSomeArrived)
{
    // A short send still reads the reply; what it brings is not to be trusted.
    wtrq::ScoreBoardState state;
    state.showResults(true, {{"anna", "1200"}});
    EXPECT_EQ(state.phase, wtrq::BoardPhase::Results);
    EXPECT_TRUE(state.uploadFailed);
    EXPECT_TRUE(state.rows.empty());
}

struct RequestCase {
    const char* name;
    std::vector<KeyPress> typed;
    int score;
    std::string line;
};

TEST_F(ScoreBoardExchange, RequestCarriesTheTypedNameAndScore)
{
    const std::vector<RequestCase> cases = {
        {"nothing typed", {}, 1273, "GET /teamweb/wtrq/save.php?name=unnamed&score=1273&checksum=399722&fetch=1\n"},
        {"capitals and a space",
         {{SDLK_a, KMOD_LSHIFT}, {SDLK_n}, {SDLK_SPACE}, {SDLK_b, KMOD_RSHIFT}, {SDLK_7, KMOD_LSHIFT}},
         0, "GET /teamweb/wtrq/save.php?name=An+B7&score=0&checksum=0&fetch=1\n"},
        {"negative score", {{SDLK_x}}, -5, "GET /teamweb/wtrq/save.php?name=x&score=-5&checksum=-1570&fetch=1\n"},
        {"check value wraps", {{SDLK_x}}, 2147483647,
         "GET /teamweb/wtrq/save.php?name=x&score=2147483647&checksum=-314&fetch=1\n"},
    };
    for (const RequestCase& request : cases) {
        LoopbackServer server(ServerManner::Answer, "!");
        std::vector<KeyPress> presses = request.typed;
        presses.insert(presses.end(), sayYes.begin(), sayYes.end());
        const Outcome outcome =
            runExchange({"127.0.0.1", server.port()}, presses, request.score, resultsWith({}), 10s, {{SDLK_ESCAPE}}, false);
        EXPECT_TRUE(outcome.reached) << request.name;
        EXPECT_EQ(server.request(), request.line) << request.name;
    }
}

TEST_F(ScoreBoardExchange, NoServerShowsTheFailureAndACloseStillQuits)
{
    const Outcome outcome =
        runExchange({"127.0.0.1", closedLoopbackPort()}, sayYes, 10, failureShown(), 10s, {}, true);
    EXPECT_TRUE(outcome.reached) << "\"Failure occured!\" never appeared";
    EXPECT_FALSE(outcome.backToMenu);
    EXPECT_EQ(outcome.passesAfterIt, 1);
}

TEST_F(ScoreBoardExchange, SilentServerEndsInFailureAtTheLimit)
{
    LoopbackServer server(ServerManner::NeverAnswer);
    const auto started = std::chrono::steady_clock::now();
    const Outcome outcome = runExchange({"127.0.0.1", server.port()}, sayYes, 10, failureShown(), 300ms, {}, true);
    EXPECT_TRUE(outcome.reached) << "the board never gave up on a silent server";
    EXPECT_GE(std::chrono::steady_clock::now() - started, 300ms) << "gave up before the limit";
    EXPECT_FALSE(outcome.backToMenu);
    EXPECT_EQ(outcome.passesAfterIt, 1);
    EXPECT_EQ(server.connections(), 1);
}

TEST_F(ScoreBoardExchange, WhileWaitingKeysDoNothingAndEscapeOrCloseLeaveAtOnce)
{
    struct Leaving {
        const char* name;
        bool closeWindow;
        bool backToMenu;
    };
    const std::vector<TextAt> waiting = boardLines(
        page, {{40, 320, "Send and fetch scores"}, {40, 340, "from the Internet?"}, {40, 370, "[ YES ]"}, {40, 390, "  NO"}});
    for (const Leaving way : {Leaving{"window close", true, false}, Leaving{"Escape", false, true}}) {
        LoopbackServer server(ServerManner::NeverAnswer);
        std::vector<std::uint8_t> whileWaiting;
        std::vector<std::uint8_t> expectedWhileWaiting;
        ScriptedPacer pacer([&](int pass) {
            if (pass == 1) {
                pushKeys(sayYes);
            } else if (pass == 3) {
                // Would move the highlight, answer again, or type, were the board not waiting.
                pushKeys({{SDLK_DOWN}, {SDLK_RETURN}, {SDLK_a}, {SDLK_BACKSPACE}});
            } else if (pass == 4) {
                whileWaiting = captureScreen();
                expectedWhileWaiting = frameWith(waiting);
                if (way.closeWindow) {
                    pushQuit();
                } else {
                    pushKeys({{SDLK_ESCAPE}});
                }
            }
        });
        wtrq::ScoreBoard board(pacer, nullptr, {{"127.0.0.1", server.port()}, page});
        EXPECT_EQ(board.showScoreBoard(10), way.backToMenu) << way.name;
        drainEvents();
        EXPECT_EQ(pacer.passes, 5) << way.name << ": the board should leave on the pass after";
        EXPECT_TRUE(whileWaiting == expectedWhileWaiting)
            << way.name << ": the question should stay up, unchanged, while the server is asked";
    }
}

}  // namespace
