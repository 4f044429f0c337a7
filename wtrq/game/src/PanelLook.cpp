// Drawing the panels' shared frame, bands and text lines.
#include "game/PanelLook.h"

#include <SDL_gfxPrimitives.h>

#include "jwe/Font.h"
#include "jwe/Surfaces.h"

namespace wtrq {

void drawPanelFrame(SDL_Surface* target, int x, int y, int w, int h)
{
    for (int inset = 0; inset < 3; ++inset) {
        rectangleRGBA(target, x + inset, y + inset, x + w - inset, y + h - inset, 200, 0, 0, 255);
    }
    boxRGBA(target, x + 3, y + 3, x + w - 3, y + h - 3, 128, 0, 0, 255);
}

void highlightBand(SDL_Surface* target, int x, int y, int w, int top, int bottom)
{
    boxRGBA(target, x + 3, y + top, x + w - 3, y + bottom, 180, 0, 0, 255);
}

bool bandHolds(int x, int y, int top, int bottom, int mx, int my)
{
    return x + 3 < mx && mx < x + panelWidth - 3 && y + top < my && my < y + bottom;
}

void drawPanelLines(SDL_Surface* target, int x, int y, const std::vector<std::string>& lines)
{
    int lineY = y + lineInset;
    for (const std::string& line : lines) {
        drawGameText(target, x + lineInset, lineY, line, textColour);
        lineY += lineSpacing;
    }
}

void drawGameText(SDL_Surface* target, int x, int y, const std::string& text, SDL_Color colour)
{
    drawText(target, x, y, font.ttfFont(), text, colour);
}

}  // namespace wtrq
