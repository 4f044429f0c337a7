// A board made without settings of its own reads them when it is made: the server it asks and
// the page it names come from wtrq.conf, and WTRQ_SCORE_SERVER / WTRQ_SCORE_PAGE win over it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "BoardFixture.h"
#include "LoopbackServer.h"
#include "scoreboard/ScoreBoard.h"

using namespace boardtest;

namespace {

// Sets or unsets a variable for one test and puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* name, std::optional<std::string> value) : name(name)
    {
        if (const char* old = std::getenv(name)) {
            before = old;
        }
        set(value);
    }
    ~ScopedVariable() { set(before); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void set(const std::optional<std::string>& value)
    {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    const char* name;
    std::optional<std::string> before;
};

struct SettingsCase {
    const char* name;
    bool fileNamesServer;  // the file points at the first server, or says nothing of one
    std::string pageLine;  // a score_page line, or nothing
    bool environmentNamesServer;  // WTRQ_SCORE_SERVER points at the second server
    std::optional<std::string> environmentPage;
    int askedServer;  // 1 or 2: which server the board's YES reaches
    std::string shownPage;
};

const std::vector<SettingsCase> settingsCases = {
    {"the file alone", true, "score_page = http://file.test/top", false, std::nullopt, 1, "http://file.test/top"},
    {"the environment over the file", true, "score_page = http://file.test/top", true, "http://env.test/all", 2,
     "http://env.test/all"},
    {"the page from the environment, the server from the file", true, "", false, "http://env.test/all", 1,
     "http://env.test/all"},
    {"the server from the environment, the page from the file", false, "score_page = http://file.test/top", true,
     std::nullopt, 2, "http://file.test/top"},
};

class ScoreBoardSettings : public BoardFixture {};

TEST_F(ScoreBoardSettings, ServerAndPageComeFromTheFileAndTheEnvironment)
{
    const std::filesystem::path config = folder / "config";
    std::filesystem::create_directories(config / "wtrq");
    const ScopedVariable configHome("XDG_CONFIG_HOME", config.string());
    for (const SettingsCase& c : settingsCases) {
        LoopbackServer first(ServerManner::Answer, "!");
        LoopbackServer second(ServerManner::Answer, "!");
        {
            std::ofstream file(config / "wtrq" / "wtrq.conf");
            if (c.fileNamesServer) {
                file << "score_server = 127.0.0.1:" << first.port() << "\n";
            }
            file << c.pageLine << "\n";
        }
        const ScopedVariable server("WTRQ_SCORE_SERVER", c.environmentNamesServer
                                                             ? std::optional<std::string>("127.0.0.1:" +
                                                                                          std::to_string(second.port()))
                                                             : std::nullopt);
        const ScopedVariable shownPage("WTRQ_SCORE_PAGE", c.environmentPage);

        bool reached = false;
        ScriptedPacer pacer([&](int pass) {
            if (pass == 1) {
                pushKeys({{SDLK_RETURN}, {SDLK_RETURN}});
            } else if (!reached && captureScreen() == frameWith(boardLines(c.shownPage, {}))) {
                reached = true;
                pushKeys({{SDLK_ESCAPE}});
            }
        });
        wtrq::ScoreBoard board(pacer);
        EXPECT_TRUE(board.showScoreBoard(1273)) << c.name;
        drainEvents();
        EXPECT_TRUE(reached) << c.name << ": the empty results with the page never appeared";
        EXPECT_EQ(first.connections(), c.askedServer == 1 ? 1 : 0) << c.name;
        EXPECT_EQ(second.connections(), c.askedServer == 2 ? 1 : 0) << c.name;
    }
}

TEST_F(ScoreBoardSettings, AnUnusableLineIsReportedAndTheRestStillApplies)
{
    const std::filesystem::path config = folder / "config";
    std::filesystem::create_directories(config / "wtrq");
    std::ofstream(config / "wtrq" / "wtrq.conf") << "score_server = 127.0.0.1:99999\nscore_page = http://file.test/\n";
    const ScopedVariable configHome("XDG_CONFIG_HOME", config.string());
    const ScopedVariable server("WTRQ_SCORE_SERVER", std::nullopt);
    const ScopedVariable shownPage("WTRQ_SCORE_PAGE", std::nullopt);

    ::testing::internal::CaptureStderr();
    const wtrq::ScoreSettings settings = wtrq::scoreSettingsAtStartUp();
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("wtrq.conf:1: "), std::string::npos) << said;
    EXPECT_NE(said.find("127.0.0.1:99999"), std::string::npos) << said;
    EXPECT_EQ(settings.server, wtrq::defaultScoreServer);
    EXPECT_EQ(settings.page, "http://file.test/");
}

}  // namespace
