// The build and hire menu's items, hit test, placement and drawing.
#include "game/BuildMenu.h"

#include "game/PanelLook.h"
#include "jwe/Utilities.h"
#include "world/BuildingType.h"

namespace wtrq {

namespace {

struct MenuItem {
    int top;
    int bottom;
    const char* label;
    int price;
};

// The mine's band stops at 143 so that the gap before the hire items is a little wider.
constexpr MenuItem items[itemCount] = {
    {3, 25, "Build office [", 0},      {27, 49, "Build woodworker [", 0}, {51, 73, "Build factory [", 0},
    {75, 97, "Build plastics [", 0},   {99, 121, "Build foundry [", 0},   {123, 143, "Build mine [", 0},
    {147, 169, "Hire worker [", 200},  {171, 193, "Hire geologist [", 600}, {195, 217, "Hire carrier [", 400},
};

int priceOf(int item)
{
    if (item < firstHireItem) {
        return buildCost(static_cast<BuildingType>(item));
    }
    return items[item - 1].price;
}

}  // namespace

std::string buildMenuText(int item)
{
    return items[item - 1].label + toString(priceOf(item)) + "]";
}

int buildMenuItemAt(int x, int y, int mx, int my)
{
    for (int item = 1; item <= itemCount; ++item) {
        if (bandHolds(x, y, items[item - 1].top, items[item - 1].bottom, mx, my)) {
            return item;
        }
    }
    return -1;
}

MousePosition buildMenuCorner(int mx, int my)
{
    MousePosition corner{mx, my};
    if (corner.y + 223 > 480) {
        corner.y = 257;
    }
    if (corner.x + panelWidth > 640) {
        corner.x = 430;
    }
    return corner;
}

void drawBuildMenuPanel(SDL_Surface* target, int x, int y, int hover)
{
    drawPanelFrame(target, x, y, panelWidth, buildMenuHeight);
    if (hover >= 1 && hover <= itemCount) {
        highlightBand(target, x, y, panelWidth, items[hover - 1].top, items[hover - 1].bottom);
    }
    for (int item = 1; item <= itemCount; ++item) {
        drawGameText(target, x + lineInset, y + lineInset + lineSpacing * (item - 1), buildMenuText(item),
                     textColour);
    }
}

}  // namespace wtrq
