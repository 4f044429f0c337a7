// The main menu: keyboard moves with wrap-around, its colours, and what each choice returns.
#include "screens/MainMenu.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ScreenFixture.h"
#include "jwe/Surfaces.h"
#include "jwe/Screen.h"

namespace {

using namespace screentest;

// After each drawn pass: the highlighted item expected on screen, then what to push next.
struct Step {
    int shown;
    std::function<void()> push;
};

class MainMenuTest : public ScreenFixture {
protected:
    // Runs one visit of the menu through the steps and checks what each drawn pass showed.
    int runScript(const std::vector<Step>& steps)
    {
        std::vector<int> seen;
        ScriptedPacer pacer([&](int pass) {
            seen.push_back(highlightedMenuItem());
            if (pass <= static_cast<int>(steps.size())) {
                steps[pass - 1].push();
            }
        });
        MainMenu menu(pacer);
        menu.load();
        const int choice = menu.run();
        menu.unload();
        std::vector<int> expected;
        for (const Step& step : steps) expected.push_back(step.shown);
        EXPECT_EQ(seen, expected);
        return choice;
    }
};

TEST_F(MainMenuTest, UpAndDownWrapAroundAndReturnChooses)
{
    const int choice = runScript({
        {MainMenu::begin, [] { pushKeyStroke(SDLK_UP); }},
        {MainMenu::quit, [] { pushKeyStroke(SDLK_DOWN); }},
        {MainMenu::begin, [] { pushKeyStroke(SDLK_DOWN); }},
        {MainMenu::help, [] { pushKeyStroke(SDLK_DOWN); }},
        {MainMenu::quit, [] { pushKeyStroke(SDLK_DOWN); pushKeyStroke(SDLK_DOWN); }},
        {MainMenu::help, [] { pushKeyStroke(SDLK_RETURN); }},
    });
    EXPECT_EQ(choice, MainMenu::help);
}

TEST_F(MainMenuTest, OtherKeysAndTheMouseChangeNothing)
{
    const int choice = runScript({
        {MainMenu::begin, [] { pushKeyStroke(SDLK_DOWN); }},
        {MainMenu::help, [] {
             pushKeyStroke(SDLK_LEFT);
             pushKeyStroke(SDLK_ESCAPE);
             pushKeyStroke(SDLK_KP_ENTER);
             pushMouseMotion(110, 410);
             pushMouseClick(110, 410, SDL_BUTTON_LEFT);
         }},
        {MainMenu::help, [] { pushKey(SDLK_RETURN); }},
    });
    EXPECT_EQ(choice, MainMenu::help);
}

TEST_F(MainMenuTest, ChoicesAndCloseRequests)
{
    const struct {
        const char* label;
        std::function<void()> push;
        int choice;
    } cases[] = {
        {"Return on Begin", [] { pushKey(SDLK_RETURN); }, MainMenu::begin},
        {"Up, Return: Quit", [] { pushKey(SDLK_UP); pushKey(SDLK_RETURN); }, MainMenu::quit},
        {"close request", [] { pushQuit(); }, MainMenu::quit},
        {"close request after a move", [] { pushKey(SDLK_DOWN); pushQuit(); }, MainMenu::quit},
    };
    for (const auto& c : cases) {
        ScriptedPacer pacer([&](int pass) {
            if (pass == 1) c.push();
        });
        MainMenu menu(pacer);
        menu.load();
        EXPECT_EQ(menu.run(), c.choice) << c.label;
        menu.unload();
    }
}

TEST_F(MainMenuTest, EventsAfterReturnStayForTheNextScreen)
{
    ScriptedPacer pacer([](int) {});
    MainMenu menu(pacer);
    menu.load();
    pushKey(SDLK_RETURN);
    pushKey(SDLK_RETURN, false);
    EXPECT_EQ(menu.run(), MainMenu::begin);
    SDL_Event left;
    ASSERT_EQ(SDL_PollEvent(&left), 1);
    EXPECT_EQ(left.type, SDL_KEYUP);
}

TEST_F(MainMenuTest, DrawsOverItsPictureAndHighlightsBeginOnEveryLoad)
{
    ScriptedPacer pacer([](int pass) {
        if (pass == 1) pushKey(SDLK_DOWN);
        if (pass == 2) pushKey(SDLK_RETURN);
    });
    MainMenu menu(pacer);
    menu.load();
    EXPECT_EQ(menu.run(), MainMenu::help);
    menu.unload();
    EXPECT_EQ(pixelAt(10, 10), menuBackground);
    EXPECT_EQ(highlightedMenuItem(), MainMenu::help);
    menu.load();
    EXPECT_EQ(menu.selectedItem(), MainMenu::begin);
    menu.unload();
}

TEST_F(MainMenuTest, UndecodablePictureLeavesTheMenuWithoutBackground)
{
    writeGuiPackage(folder, {}, {"start_menu.png"});
    fill(screen.surface(), 9, 9, 9);
    ScriptedPacer pacer([](int) { pushKey(SDLK_RETURN); });
    MainMenu menu(pacer);
    ASSERT_NO_THROW(menu.load());
    EXPECT_EQ(menu.run(), MainMenu::begin);
    EXPECT_EQ(pixelAt(10, 10), (Rgb{9, 9, 9}));  // whatever the screen showed before
    EXPECT_EQ(highlightedMenuItem(), MainMenu::begin);
}

}  // namespace
