// Loading, running and drawing the main menu.
#include "screens/MainMenu.h"

#include "jwe/Events.h"
#include "jwe/Package.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Screen.h"
#include "jwe/Surfaces.h"

namespace {

struct MenuLine {
    int y;
    const char* text;
};

const MenuLine menuLines[] = {{300, "Begin"}, {350, "Help"}, {400, "Quit"}};
const int itemCount = 3;

}  // namespace

MainMenu::MainMenu(FramePacer& pacer) : pacer(pacer)
{
}

MainMenu::~MainMenu()
{
    unload();
}

void MainMenu::load()
{
    menuFont.open(scratchPath("guifont.ttf"), 36);
    Package gui("data/gui.pjw");
    gui.extract("start_menu.png");
    freeSurface(background);
    background = loadImage(scratchPath("temp.tmp"));
    gui.close();
    selected = begin;
}

void MainMenu::unload()
{
    menuFont.close();
    freeSurface(background);
}

int MainMenu::run()
{
    for (;;) {
        SDL_Event event;
        while (pollEvent(&event)) {
            if (event.type == SDL_QUIT) {
                return quit;
            }
            if (event.type != SDL_KEYDOWN) {
                continue;
            }
            switch (event.key.keysym.sym) {
            case SDLK_UP:
                selected = (selected + itemCount - 1) % itemCount;
                break;
            case SDLK_DOWN:
                selected = (selected + 1) % itemCount;
                break;
            case SDLK_RETURN:
                // Events still queued stay for the next screen.
                return selected;
            default:
                break;
            }
        }
        draw();
        screen.flip();
        pacer.passDone();
    }
}

void MainMenu::draw() const
{
    // The picture covers the whole screen, so nothing is cleared first.
    if (background != nullptr) {
        blit(background, screen.surface(), 0, 0);
    }
    for (int item = 0; item < itemCount; ++item) {
        const int green = item == selected ? 128 : 0;
        menuFont.draw(screen.surface(), 100, menuLines[item].y, menuLines[item].text, 255, green, green);
    }
}
