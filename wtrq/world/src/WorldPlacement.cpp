// Placing a new building: the preview under the mouse, its blink and cross, the spot rules, the purchase.
#include <SDL_gfxPrimitives.h>

#include <algorithm>

#include "world/World.h"

namespace wtrq {
namespace {

constexpr Ticks blinkHidden = 250;
constexpr Ticks blinkCycle = 750;

bool overlaps(const Building& a, const Building& b)
{
    return a.x < b.x + b.width() && b.x < a.x + a.width() && a.y < b.y + b.height() && b.y < a.y + a.height();
}

void drawRedCross(SDL_Surface* target, int x, int y, int w, int h)
{
    const int x2 = x + tileSize * w;
    const int y2 = y + tileSize * h;
    // Three strokes side by side make each diagonal three pixels thick.
    const int lines[6][4] = {
        {x, y, x2, y2},     {x, y + 1, x2 - 1, y2},     {x + 1, y, x2, y2 - 1},
        {x, y2, x2, y},     {x, y2 - 1, x2 - 1, y},     {x + 1, y2, x2, y + 1},
    };
    for (const auto& l : lines)
        lineRGBA(target, static_cast<Sint16>(l[0]), static_cast<Sint16>(l[1]), static_cast<Sint16>(l[2]),
                 static_cast<Sint16>(l[3]), 255, 0, 0, 255);
}

}  // namespace

void World::startPlacement(BuildingType type)
{
    preview.releaseSprites();
    preview.load(type, images);
    previewBlinkTick = now();
    placing = true;
}

void World::cancelPlacement()
{
    preview.releaseSprites();
    placing = false;
}

void World::followMouse(int mx, int my)
{
    if (!placing)
        return;
    mx = std::max(mx, 0);
    my = std::clamp(my, topBarHeight, 480);
    int tx = std::min(mx, 640) / tileSize;
    int ty = (my - topBarHeight) / tileSize;
    // The whole footprint stays on the map.
    if (tx + preview.width() > mapColumns - 1)
        tx = mapColumns - preview.width();
    if (ty + preview.height() > mapRows - 1)
        ty = mapRows - preview.height();
    preview.setPosition(tx, ty);
}

void World::drawPreview(SDL_Surface* target)
{
    if (!placing)
        return;
    const Ticks now = this->now();
    if (ticksSince(now, previewBlinkTick) < blinkHidden)
        return;
    preview.draw(target, now);
    if (!isValidSpot())
        drawRedCross(target, tilePixelX(preview.x), tilePixelY(preview.y), preview.width(), preview.height());
    if (hasElapsed(now, previewBlinkTick, blinkCycle))
        previewBlinkTick = now;
}

bool World::isValidSpot() const
{
    const int w = preview.width();
    const int h = preview.height();
    for (int tx = preview.x; tx < preview.x + w; ++tx)
        for (int ty = preview.y; ty < preview.y + h; ++ty)
            if (tileMap.isBlocked(tx, ty))
                return false;
    // Markers never block; the marker stays in the list under the building put on it.
    for (const Building& building : buildings)
        if (!isMarker(building.type) && overlaps(preview, building))
            return false;
    auto markerOn = [this](BuildingType marker, int tx, int ty) {
        return std::any_of(buildings.begin(), buildings.end(),
                           [&](const Building& b) { return b.type == marker && b.contains(tx, ty); });
    };
    const int x = preview.x;
    const int y = preview.y;
    switch (preview.type) {
    case BuildingType::Mine:
        return markerOn(BuildingType::Iron, x, y) || markerOn(BuildingType::Iron, x, y + 1);
    case BuildingType::Plastics:
        return markerOn(BuildingType::Oil, x, y) || markerOn(BuildingType::Oil, x + 1, y) ||
               markerOn(BuildingType::Oil, x, y + 1) || markerOn(BuildingType::Oil, x + 1, y + 1);
    default:
        return true;
    }
}

int World::buy()
{
    if (!placing)
        return NotPlacing;
    if (!isValidSpot())
        return InvalidSpot;
    const int cost = buildCost(preview.type);
    if (money < cost)
        return NotEnoughMoneyToBuy;
    // Loaded before paying, so a package failure costs the player nothing.
    addBuilding(preview.type, preview.x, preview.y);
    money -= cost;
    return Bought;
}

}  // namespace wtrq
