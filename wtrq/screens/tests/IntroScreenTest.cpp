// The intro ends on a key press or a close request, never on the mouse, and shows its lines.
#include "screens/IntroScreen.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ScreenFixture.h"

namespace {

using namespace screentest;

class IntroScreenTest : public ScreenFixture {};

TEST_F(IntroScreenTest, EndsOnAKeyOrACloseRequestButNotOnTheMouse)
{
    const struct {
        const char* label;
        std::function<void()> push;
        bool ends;
    } cases[] = {
        {"a letter", [] { pushKey(SDLK_a); }, true},
        {"Shift alone", [] { pushKey(SDLK_LSHIFT); }, true},
        {"Return", [] { pushKey(SDLK_RETURN); }, true},
        {"close request", [] { pushQuit(); }, true},
        {"mouse motion", [] { pushMouseMotion(300, 200); }, false},
        {"mouse click", [] { pushMouseClick(300, 200, SDL_BUTTON_LEFT); }, false},
        {"key release", [] { pushKey(SDLK_a, false); }, false},
    };
    for (const auto& c : cases) {
        c.push();
        // A pass that did not end the intro gets a key press, so the intro always ends.
        ScriptedPacer pacer([](int) { pushKey(SDLK_SPACE); });
        showIntro(pacer);
        EXPECT_EQ(pacer.passes, c.ends ? 0 : 1) << c.label;
    }
}

TEST_F(IntroScreenTest, DrawsItsLinesInWhiteOnBlack)
{
    pushKey(SDLK_a);
    ScriptedPacer pacer([](int) {});
    showIntro(pacer);
    const Rgb white{255, 255, 255};
    const struct {
        int x, y, width;
    } lines[] = {{270, 220, 200}, {270, 20, 150}, {200, 280, 200}, {5, 440, 150}, {5, 460, 300}};
    for (const auto& line : lines) {
        EXPECT_GT(countColour(line.x, line.y, line.width, 20, white), 30) << line.y;
    }
    EXPECT_EQ(countColour(0, 100, 640, 100, white), 0);  // between the lines: black
    EXPECT_EQ(pixelAt(639, 479), (Rgb{0, 0, 0}));
}

}  // namespace
