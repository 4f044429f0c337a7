// The game screen's links to the outside: input, sounds and the board shown at the end of time.
#pragma once

#include <SDL.h>

namespace wtrq {

struct MousePosition {
    int x = 0;
    int y = 0;
};

// Events and the mouse: SDL's queue and mouse state in the game; tests push events and set the
// position themselves.
class InputSource {
public:
    virtual ~InputSource() = default;
    // Non-zero when an event was taken; never blocks.
    virtual int poll(SDL_Event* event) = 0;
    // Where the pointer is now, which is what clicks act on (not the event's own position).
    virtual MousePosition mouse() const = 0;
};

// pollEvent and SDL_GetMouseState.
InputSource& sdlInput();

enum class GameSound { Pop, Build, Walk };

// The three short sounds of play.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Throws "Failed to load sounds!" when a sound cannot be loaded.
    virtual void load() = 0;
    virtual void play(GameSound sound) = 0;
    virtual void release() = 0;
};

// What follows a game that ran out of time.
class ScoreBoardRunner {
public:
    virtual ~ScoreBoardRunner() = default;
    // False when the player closed the window, which ends the program.
    virtual bool showScoreBoard(int score) = 0;
};

}  // namespace wtrq
