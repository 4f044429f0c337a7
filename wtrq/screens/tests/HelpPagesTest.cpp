// Help pages: drawn only when an event arrives, ended one by one by key presses.
#include "screens/HelpPages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ScreenFixture.h"
#include "jwe/Exceptions.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Screen.h"
#include "jwe/Surfaces.h"

namespace {

using namespace screentest;

class HelpPagesTest : public ScreenFixture {};

const Rgb before{1, 2, 3};

TEST_F(HelpPagesTest, EachPageShowsOnItsFirstEventAndEndsOnAKeyPress)
{
    fill(screen.surface(), before.r, before.g, before.b);
    // After each pass that waited for events: what the screen shows, then what arrives next.
    const struct {
        Rgb shown;
        std::function<void()> push;
    } steps[] = {
        {before, [] { pushKey(SDLK_RETURN, false); }},  // the release of the key that chose Help
        {helpPageColours[0], [] { pushQuit(); }},         // a close request only redraws
        {helpPageColours[0], [] { pushMouseClick(5, 5, SDL_BUTTON_LEFT); }},
        {helpPageColours[0], [] { pushKey(SDLK_SPACE); }},
        {helpPageColours[0], [] { pushKey(SDLK_SPACE, false); }},  // page 2 waits for an event
        {helpPageColours[1], [] { pushKey(SDLK_a); pushKey(SDLK_a, false); }},
        {helpPageColours[1], [] { pushMouseMotion(1, 1); }},
        {helpPageColours[2], [] { pushKey(SDLK_ESCAPE); }},
    };
    std::vector<Rgb> seen;
    ScriptedPacer pacer([&](int pass) {
        seen.push_back(pixelAt(320, 240));
        if (pass <= static_cast<int>(std::size(steps))) steps[pass - 1].push();
    });
    showHelpPages(pacer);
    ASSERT_EQ(seen.size(), std::size(steps));
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i], steps[i].shown) << "pass " << i + 1;
    }
    EXPECT_EQ(pixelAt(320, 240), helpPageColours[2]);
}

TEST_F(HelpPagesTest, MissingOrUndecodablePagesFailNamingTheCulprit)
{
    const struct {
        const char* label;
        std::set<std::string> leaveOut, garble;
        std::string message, detail;
    } cases[] = {
        {"missing page", {"help2.png"}, {}, "Failed to load file \"help2.png\".", "Not found inside package."},
        {"undecodable page", {}, {"help3.png"}, "Failed to load file \"" + scratchPath("temp.tmp") + "\".", ""},
    };
    for (const auto& c : cases) {
        writeGuiPackage(folder, c.leaveOut, c.garble);
        ScriptedPacer pacer([](int) { pushKey(SDLK_SPACE); });
        try {
            showHelpPages(pacer);
            ADD_FAILURE() << c.label << ": no failure";
        } catch (const FileLoadingFailed& failure) {
            EXPECT_EQ(std::string(failure.what()), c.message) << c.label;
            if (!c.detail.empty()) {
                EXPECT_EQ(failure.getDetail(), c.detail) << c.label;
            }
        }
        EXPECT_EQ(pacer.passes, 0) << c.label;
    }
}

}  // namespace
