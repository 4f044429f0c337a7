// Loading, drawing and animating a building, and its footprint and production clock.
#include "world/Building.h"

#include <algorithm>

namespace wtrq {

void Building::load(BuildingType newType, GameImages& images)
{
    const BuildingTypeInfo& info = buildingTypeInfo(newType);
    BuildingSprites loaded = images.buildingSprites(newType);
    type = newType;
    setPosition(0, 0);
    sprites = std::move(loaded.resting);
    workSprites = std::move(loaded.working);
    if (info.workersNeeded > 0)
        workersNeeded = info.workersNeeded;
}

void Building::releaseSprites()
{
    sprites.clear();
    workSprites.clear();
}

void Building::setPosition(int newX, int newY)
{
    x = newX;
    y = newY;
}

int Building::width() const
{
    switch (type) {
    case BuildingType::Factory:
    case BuildingType::Plastics:
        return 2;
    case BuildingType::Foundry:
        return 3;
    default:
        return 1;
    }
}

int Building::height() const
{
    return type == BuildingType::Plastics || type == BuildingType::Mine ? 2 : 1;
}

bool Building::contains(int tx, int ty) const
{
    return tx >= x && tx < x + width() && ty >= y && ty < y + height();
}

bool Building::isWorking() const
{
    if (workers < workersNeeded)
        return false;
    return type != BuildingType::Foundry || carriers >= 1;
}

Ticks Building::productionPeriod() const
{
    switch (type) {
    case BuildingType::Woodworker:
        return 2000;
    case BuildingType::Factory:
        return 3000;
    case BuildingType::Plastics:
        return 4000;
    case BuildingType::Foundry:
        // Every carrier shortens the foundry's cycle by half a second, down to one second.
        return static_cast<Ticks>(std::max(1000, 500 * (7 - carriers)));
    default:
        return 0;
    }
}

bool Building::isProductionDue(Ticks now)
{
    const Ticks period = productionPeriod();
    if (period == 0 || !hasElapsed(now, lastProduction, period))
        return false;
    lastProduction = now;
    return true;
}

void Building::draw(SDL_Surface* target, Ticks now)
{
    // The frame advances with the workers alone: a foundry without a carrier keeps
    // counting frames while it shows its resting look.
    if (workers >= workersNeeded && hasElapsed(now, animTick, animationStep)) {
        ++animFrame;
        if (animFrame >= static_cast<std::int32_t>(workSprites.size()))
            animFrame = 0;
        animTick = now;
    }
    // Only one tile of a building animates; the others always show their resting images.
    Sprite animated;
    if (isWorking() && animFrame >= 0 && animFrame < static_cast<std::int32_t>(workSprites.size()))
        animated = workSprites[animFrame];
    auto slot = [this](std::size_t i) { return i < sprites.size() ? sprites[i] : Sprite(); };

    const int px = tilePixelX(x);
    const int py = tilePixelY(y);
    switch (type) {
    case BuildingType::Woodworker:
        drawSprite(animated ? animated : slot(0), target, px, py);
        break;
    case BuildingType::Factory:
        drawSprite(slot(0), target, px, py);
        drawSprite(animated ? animated : slot(1), target, px + tileSize, py);
        break;
    case BuildingType::Plastics:
        drawSprite(animated ? animated : slot(0), target, px, py);
        drawSprite(slot(1), target, px + tileSize, py);
        drawSprite(slot(2), target, px, py + tileSize);
        drawSprite(slot(3), target, px + tileSize, py + tileSize);
        break;
    case BuildingType::Foundry:
        drawSprite(slot(0), target, px, py);
        drawSprite(slot(1), target, px + tileSize, py);
        drawSprite(animated ? animated : slot(2), target, px + 2 * tileSize, py);
        break;
    case BuildingType::Mine:
        drawSprite(animated ? animated : slot(0), target, px, py);
        drawSprite(slot(1), target, px, py + tileSize);
        break;
    default:  // office and markers: one resting tile
        drawSprite(slot(0), target, px, py);
        break;
    }
}

}  // namespace wtrq
