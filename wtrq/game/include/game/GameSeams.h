// The game screen's links to the outside: input and sounds (the board shown at the end of time
// is the score board's own seam).
#pragma once

#include <SDL.h>

#include "scoreboard/BoardSeams.h"

namespace wtrq {

struct MousePosition {
    int x = 0;
    int y = 0;
};

// Events and the mouse: SDL's queue and mouse state in the game; tests push events and set the
// position themselves. The score board takes its events from the same source.
class InputSource : public EventSource {
public:
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

}  // namespace wtrq
