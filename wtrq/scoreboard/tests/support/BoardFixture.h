// A 640 x 480 screen on SDL's dummy driver with the font and a "data/gui.pjw" holding a plain
// board background, pushed key presses, and frames read back for comparison.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "jwe/FramePacer.h"

namespace boardtest {

// The board background's one colour, so drawn text shows up against it.
inline constexpr SDL_Color backgroundColour{0, 40, 90, 0};

struct KeyPress {
    SDLKey key;
    SDLMod mod = KMOD_NONE;
};

void pushKeys(const std::vector<KeyPress>& presses);
void pushQuit();
// Drops whatever a finished loop left in the queue.
void drainEvents();

// One line of white text with its top-left corner at (x, y).
struct TextAt {
    int x;
    int y;
    std::string text;
};

// The screen's pixels as bytes, row by row.
std::vector<std::uint8_t> captureScreen();
// What the screen shows when the board draws exactly these lines over its background.
std::vector<std::uint8_t> frameWith(const std::vector<TextAt>& lines);
// The lines every frame of the board has, with the page address given, plus the phase's own.
std::vector<TextAt> boardLines(const std::string& page, std::vector<TextAt> phaseLines);

// Calls the script after every pass of the board's loop with the pass number from 1, giving the
// processor back for a millisecond; fails the test (by throwing) when a loop runs on far longer
// than any script needs.
class ScriptedPacer : public FramePacer {
public:
    explicit ScriptedPacer(std::function<void(int)> script,
                           std::chrono::milliseconds bound = std::chrono::milliseconds(20000));
    void passDone() override;
    int passes = 0;

private:
    std::function<void(int)> script;
    std::chrono::steady_clock::time_point giveUp;
};

class BoardFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::filesystem::path folder;

private:
    std::filesystem::path startFolder;
};

}  // namespace boardtest
