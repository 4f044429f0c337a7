// The stand-in game screen shows its own screen and goes back to the menu on Escape or close.
#include "screens/PlaceholderGameScreen.h"

#include <gtest/gtest.h>

#include <functional>

#include "ScreenFixture.h"

namespace {

using namespace screentest;

class PlaceholderGameScreenTest : public ScreenFixture {};

TEST_F(PlaceholderGameScreenTest, EscapeOrCloseReturnsToTheMenu)
{
    const struct {
        const char* label;
        std::function<void()> leave;
    } cases[] = {{"Escape", [] { pushKey(SDLK_ESCAPE); }}, {"close request", [] { pushQuit(); }}};
    for (const auto& c : cases) {
        ScriptedPacer pacer([&](int pass) {
            EXPECT_EQ(pixelAt(5, 5), (Rgb{0, 64, 0})) << c.label;
            if (pass == 1) pushKeyStroke(SDLK_a);  // other keys keep it showing
            if (pass == 2) c.leave();
        });
        GameScreen game(pacer);
        game.loadResources();
        EXPECT_TRUE(game.run()) << c.label;
        EXPECT_EQ(pacer.passes, 2) << c.label;
    }
}

}  // namespace
