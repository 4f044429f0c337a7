// A 640 x 480 screen on SDL's dummy driver, the interface font, and a small "data/gui.pjw" in
// a folder of its own, for driving the front-end screens with pushed events.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "jwe/FramePacer.h"

namespace screentest {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

// The solid colours of the fixture pictures, so a test can tell the screens apart.
inline constexpr Rgb menuBackground{0, 0, 128};
inline constexpr Rgb helpPageColours[3] = {{200, 0, 0}, {0, 200, 0}, {0, 0, 200}};
inline constexpr Rgb highlighted{255, 128, 128};
inline constexpr Rgb plain{255, 0, 0};

// A picture file (BMP, which SDL_image reads whatever the member is called) of one colour.
std::vector<uint8_t> solidPicture(int width, int height, Rgb colour);
// "data/gui.pjw" under folder with the font, the menu picture and the help pages; members
// named in leaveOut are not written, those in garble hold bytes no decoder takes.
void writeGuiPackage(const std::filesystem::path& folder, const std::set<std::string>& leaveOut = {},
                     const std::set<std::string>& garble = {});

// Calls the script after every pass of a screen loop, with the pass number from 1; fails the
// test (by throwing) when a loop runs far longer than any script needs.
class ScriptedPacer : public FramePacer {
public:
    explicit ScriptedPacer(std::function<void(int)> script) : script(std::move(script)) {}
    void passDone() override;
    int passes = 0;

private:
    std::function<void(int)> script;
};

void pushKey(SDLKey key, bool pressed = true);
// A press and its release, as a real keyboard sends them.
void pushKeyStroke(SDLKey key);
void pushQuit();
void pushMouseMotion(int x, int y);
void pushMouseClick(int x, int y, Uint8 button);

Rgb pixelAt(int x, int y);
// How many pixels of the box (x, y, width, height) on the screen have exactly this colour.
int countColour(int x, int y, int width, int height, Rgb colour);
// The menu line drawn highlighted (0 Begin, 1 Help, 2 Quit), -1 for none or more than one.
int highlightedMenuItem();

class ScreenFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::filesystem::path folder;

private:
    std::filesystem::path startFolder;
};

}  // namespace screentest
