// The intro: five white lines on black.
#include "screens/IntroScreen.h"

#include "jwe/Events.h"
#include "jwe/Font.h"
#include "jwe/Screen.h"
#include "jwe/Surfaces.h"

namespace {

struct IntroLine {
    int x;
    int y;
    const char* text;
};

const IntroLine introLines[] = {
    {270, 220, "[ J W    p r e s e n t s ]"},
    {270, 20, "Visit: jw.games.example.org"},
    {200, 280, "Press any key to continue..."},
    {5, 440, "Music composed by Vorn"},
    {5, 460, "Made for the 2007 Christmas game contest of GameDev Corner..."},
};

}  // namespace

void showIntro(FramePacer& pacer)
{
    bool done = false;
    for (;;) {
        SDL_Event event;
        while (pollEvent(&event)) {
            // Any key ends it, a modifier such as Shift included; the mouse does not.
            if (event.type == SDL_QUIT || event.type == SDL_KEYDOWN) {
                done = true;
            }
        }
        fill(screen.surface(), 0, 0, 0);
        for (const IntroLine& line : introLines) {
            font.draw(screen.surface(), line.x, line.y, line.text, 255, 255, 255);
        }
        screen.flip();
        if (done) {
            return;
        }
        pacer.passDone();
    }
}
