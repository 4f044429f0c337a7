// The look every panel and menu of the play screen shares: red outlines, dark fill, bands, text.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

namespace wtrq {

// Panel texts and text outlines.
inline constexpr SDL_Color textColour{217, 217, 217, 0};

inline constexpr int panelWidth = 210;
// The first text line sits 7 pixels inside the corner, each next one 24 pixels lower.
inline constexpr int lineInset = 7;
inline constexpr int lineSpacing = 24;

// Three outlines and the fill of a panel of w x h at (x, y).
void drawPanelFrame(SDL_Surface* target, int x, int y, int w, int h);
// The hovered line's band, top and bottom relative to the panel's y.
void highlightBand(SDL_Surface* target, int x, int y, int w, int top, int bottom);
// The mouse lies strictly inside a band of a panel 210 wide.
bool bandHolds(int x, int y, int top, int bottom, int mx, int my);
// The lines from (x + 7, y + 7) downwards, 24 pixels apart.
void drawPanelLines(SDL_Surface* target, int x, int y, const std::vector<std::string>& lines);
// Text in the game font with its top-left corner at (x, y).
void drawGameText(SDL_Surface* target, int x, int y, const std::string& text, SDL_Color colour);

}  // namespace wtrq
