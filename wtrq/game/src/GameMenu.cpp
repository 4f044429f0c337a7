// The in-game menu's hit test and drawing; it always opens at the same place.
#include "game/GameMenu.h"

#include <SDL_gfxPrimitives.h>

#include "game/PanelLook.h"

namespace wtrq {

int gameMenuItemAt(int mx, int my)
{
    if (9 < mx && mx < 213 && 37 < my && my < 59) {
        return quitToMainMenu;
    }
    if (9 < mx && mx < 213 && 61 < my && my < 83) {
        return quitToDesktop;
    }
    return -1;
}

void drawGameMenuPanel(SDL_Surface* target, int hover)
{
    drawPanelFrame(target, 6, 34, panelWidth, 52);
    if (hover == quitToMainMenu) {
        boxRGBA(target, 9, 37, 213, 59, 180, 0, 0, 255);
    } else if (hover == quitToDesktop) {
        boxRGBA(target, 9, 61, 213, 83, 180, 0, 0, 255);
    }
    drawGameText(target, 13, 41, "Quit to main menu", textColour);
    drawGameText(target, 13, 65, "Quit to desktop", textColour);
}

}  // namespace wtrq
