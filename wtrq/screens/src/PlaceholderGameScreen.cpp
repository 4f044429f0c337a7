// The stand-in game screen.
#include "screens/PlaceholderGameScreen.h"

#include "jwe/Events.h"
#include "jwe/Font.h"
#include "jwe/Screen.h"
#include "jwe/Surfaces.h"

GameScreen::GameScreen(FramePacer& pacer) : pacer(pacer)
{
}

void GameScreen::loadResources()
{
}

bool GameScreen::run()
{
    for (;;) {
        SDL_Event event;
        while (pollEvent(&event)) {
            if (event.type == SDL_QUIT || (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)) {
                return true;
            }
        }
        fill(screen.surface(), 0, 64, 0);
        font.draw(screen.surface(), 200, 220, "The game is still being built.", 255, 255, 255);
        font.draw(screen.surface(), 200, 250, "Press Escape to return to the menu.", 255, 255, 255);
        screen.flip();
        pacer.passDone();
    }
}
