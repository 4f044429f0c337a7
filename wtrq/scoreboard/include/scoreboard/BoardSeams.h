// What the score board takes from the screen that shows it: the events, and the board itself
// behind a small interface so a game screen can be tested without one.
#pragma once

#include <SDL.h>

namespace wtrq {

// Where the board's events come from: SDL's queue in the game, pushed events in tests. The
// game screen's own input source can derive from this and hand itself over.
class EventSource {
public:
    virtual ~EventSource() = default;
    // Non-zero when an event was taken; never blocks.
    virtual int poll(SDL_Event* event) = 0;
};

// The framework's pollEvent.
EventSource& sdlEvents();

// What follows a game that ran out of time.
class ScoreBoardRunner {
public:
    virtual ~ScoreBoardRunner() = default;
    // True: back to the main menu (Escape, NO). False: the player closed the window, which
    // ends the program.
    virtual bool showScoreBoard(int score) = 0;
};

}  // namespace wtrq
