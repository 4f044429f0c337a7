// A game screen on SDL's dummy driver with fake pictures, a manual clock, scripted input and a
// record of the sounds played and the score handed to the board.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "game/GameScreen.h"
#include "support/FakeImages.h"
#include "support/ManualClock.h"
#include "support/ScriptedRandom.h"

namespace wtrq::test {

class RecordingSounds final : public SoundPlayer {
public:
    void load() override { loaded = true; }
    void play(GameSound sound) override { played.push_back(sound); }
    void release() override { loaded = false; }
    bool loaded = false;
    std::vector<GameSound> played;
};

// Events come from SDL's queue (tests push them); the mouse is wherever the test puts it.
class TestInput final : public InputSource {
public:
    int poll(SDL_Event* event) override;
    MousePosition mouse() const override { return position; }
    MousePosition position{320, 240};
};

class RecordingBoard final : public ScoreBoardRunner {
public:
    bool showScoreBoard(int score) override
    {
        shownScore = score;
        return stayInProgram;
    }
    std::optional<int> shownScore;
    bool stayInProgram = true;
};

// rand()-like numbers from a fixed seed, so a whole game plays the same way every time.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned seed) : engine(seed) {}
    int next() override { return static_cast<int>(engine() % 32768u); }

private:
    std::minstd_rand engine;
};

class NoPacer final : public FramePacer {
public:
    void passDone() override {}
};

void pushButton(Uint8 button, bool pressed = true);
void pushKey(SDLKey key, SDLMod mod = KMOD_NONE);
void pushQuit();

// SDL on the dummy driver with a 640 x 480 screen and the test font; removed again afterwards.
class SdlFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// A game on an open 20 x 14 map of fake tiles whose only obstacle is the tile (19, 0).
class GameFixture : public SdlFixture {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    // Points at (x, y), lets a frame be drawn there (menus find what is hovered), then presses.
    void click(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
    // The centre of a tile on the screen.
    static MousePosition tileCentre(int tx, int ty) { return {32 * tx + 16, 32 * (ty + 1) + 16}; }
    void clickTile(int tx, int ty) { click(tileCentre(tx, ty).x, tileCentre(tx, ty).y); }
    // Opens the build menu at (x, y) and picks an item from it.
    void chooseFromBuildMenu(int item, int x = 100, int y = 100);
    void buyAt(BuildingType type, int tx, int ty);
    void drawOnce();

    FakeImages images;
    ManualClock clock{50000};
    ScriptedRandom random;
    RecordingSounds sounds;
    TestInput input;
    RecordingBoard board;
    NoPacer pacer;
    std::unique_ptr<GameScreen> game;
    SDL_Surface* frame = nullptr;
};

}  // namespace wtrq::test
