// The play screen: one game from the first second to the end of time, its commands and drawing.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>

#include "game/GameSeams.h"
#include "game/StatusLine.h"
#include "jwe/FramePacer.h"
#include "world/PackageImages.h"
#include "world/RandomSource.h"
#include "world/TileMap.h"
#include "world/World.h"

namespace wtrq {

inline constexpr int fullGameSeconds = 1440;

struct GameOptions {
    std::int32_t gameSeconds = fullGameSeconds;
};

// Anything left null is the real thing: SDL's ticks and input, the packages' pictures and
// sounds, rand(), and the score board.
struct GameSeams {
    TickSource* clock = nullptr;
    InputSource* input = nullptr;
    SoundPlayer* sounds = nullptr;
    RandomSource* random = nullptr;
    GameImages* images = nullptr;
    ScoreBoardRunner* scoreBoard = nullptr;
};

// "Time left: 24:0": minutes and seconds in plain decimal.
std::string timeLeftText(std::int32_t secondsLeft);

class GameScreen {
public:
    explicit GameScreen(FramePacer& pacer = defaultFramePacer(), GameOptions options = {}, GameSeams seams = {});
    ~GameScreen();
    GameScreen(const GameScreen&) = delete;
    GameScreen& operator=(const GameScreen&) = delete;

    // The map, the top bar and the sounds; package and image failures are thrown.
    void loadResources();
    // Plays until the time runs out, Escape, the in-game menu or a window close. True: back to
    // the main menu; false: quit the program.
    bool run();
    // run() in steps, for a caller that plays the game pass by pass: beginRun, runPass until it
    // returns false, then endRun (which shows the score board when the time ran out).
    void beginRun();
    bool runPass();
    bool endRun();
    // One input event through the command state machine.
    void handleEvent(const SDL_Event& event);
    // Everything a frame shows, without the countdown and the flip.
    void drawFrame(SDL_Surface* target);

    void setStatus(const std::string& text, std::int32_t lifetime) { status.set(text, lifetime); }
    void clearStatus() { status.clear(); }
    void drawStatus(SDL_Surface* target) { status.draw(target); }
    const StatusLine& statusLine() const { return status; }

    void drawStocks(SDL_Surface* target);
    void drawBuildMenu(SDL_Surface* target);
    void drawGameMenu(SDL_Surface* target);
    void drawTimeLeft(SDL_Surface* target);
    bool selectionWaits() const;

private:
    void handleWaitingClick(int tx, int ty);
    void handleRightClick(MousePosition mouse);
    void handleLeftClick(MousePosition mouse);
    void handleBuildMenuClick(MousePosition mouse);
    void handleElvesPanelClick(MousePosition mouse);
    void countDown();

    FramePacer& pacer;
    GameOptions options;
    TickSource& clock;
    InputSource& input;
    RandomSource& random;
    std::unique_ptr<SoundPlayer> ownSounds;
    SoundPlayer& sounds;
    std::unique_ptr<PackageImages> packageImages;
    std::unique_ptr<CachedImages> cachedImages;
    std::unique_ptr<ScoreBoardRunner> ownScoreBoard;
    ScoreBoardRunner& scoreBoard;
    StatusLine status;

public:
    TileMap tileMap;
    SDL_Surface* topBar = nullptr;
    SDL_Surface* topBarDown = nullptr;
    World world;
    bool running = false;
    bool buildMenuOpen = false;
    std::int32_t buildMenuX = 0;
    std::int32_t buildMenuY = 0;
    std::int32_t buildMenuHover = -1;
    bool gameMenuOpen = false;
    std::int32_t gameMenuHover = -1;
    bool result = true;
    Ticks elvesTick = 0;
    std::int32_t secondsLeft = fullGameSeconds;
    Ticks secondTick = 0;
    bool gameOver = false;
};

}  // namespace wtrq
