// The in-game menu under the top bar's menu button: back to the main menu, or quit.
#pragma once

#include <SDL.h>

namespace wtrq {

inline constexpr int quitToMainMenu = 3;
inline constexpr int quitToDesktop = 4;

// The item under the mouse: quitToMainMenu, quitToDesktop or -1.
int gameMenuItemAt(int mx, int my);
void drawGameMenuPanel(SDL_Surface* target, int hover);

}  // namespace wtrq
