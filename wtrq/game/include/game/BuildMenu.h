// The build and hire menu opened with the right mouse button: its nine items, bands and place.
#pragma once

#include <SDL.h>

#include <string>

#include "game/GameSeams.h"

namespace wtrq {

inline constexpr int buildMenuHeight = 220;
inline constexpr int firstHireItem = 7;
inline constexpr int itemCount = 9;

// "Build office [700]" and so on, for items 1 to 9.
std::string buildMenuText(int item);
// The item whose band holds the mouse for a menu at (x, y), or -1.
int buildMenuItemAt(int x, int y, int mx, int my);
// Where a menu opened at the mouse goes so that it stays on the screen.
MousePosition buildMenuCorner(int mx, int my);
// The menu at (x, y) with the hovered item's band highlighted (-1: none).
void drawBuildMenuPanel(SDL_Surface* target, int x, int y, int hover);

}  // namespace wtrq
