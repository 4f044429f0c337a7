// A building or deposit marker on the map: its pictures, staff counters and production clock.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "world/BuildingType.h"
#include "world/GameImages.h"
#include "world/Sprite.h"
#include "world/Tile.h"
#include "world/Ticks.h"

namespace wtrq {

// One frame of the working animation lasts this long.
constexpr Ticks animationStep = 200;

class Building {
public:
    Building() = default;
    // A record holds its surfaces; moving it (when the list grows) hands them over,
    // copying would leave two records believing they own the same pictures.
    Building(const Building&) = delete;
    Building& operator=(const Building&) = delete;
    Building(Building&&) noexcept = default;
    Building& operator=(Building&&) noexcept = default;

    // Fills the record for a type at (0, 0); a type outside 1 to 8 raises
    // "Invalid building type: type out of bounds!". The previous pictures are let go.
    void load(BuildingType newType, GameImages& images);
    void releaseSprites();

    void setPosition(int newX, int newY);
    std::pair<int, int> position() const { return {x, y}; }
    int width() const;
    int height() const;
    TilePos entrance() const { return {x, y + height() - 1}; }
    bool contains(int tx, int ty) const;

    bool isWorking() const;
    // Restarts the production period when it has run out; never due for types that do not produce.
    bool isProductionDue(Ticks now);
    // The production period, 0 for a type that does not produce.
    Ticks productionPeriod() const;

    // Advances the working animation and draws the building at its tile.
    void draw(SDL_Surface* target, Ticks now);

    BuildingType type = BuildingType::Office;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::vector<Sprite> sprites;
    std::vector<Sprite> workSprites;
    Ticks animTick = 0;
    std::int32_t animFrame = 0;
    std::int32_t workersNeeded = 0;
    std::int32_t workers = 0;
    std::int32_t carriers = 0;
    std::int32_t upkept = 0;
    Ticks lastProduction = 0;
};

}  // namespace wtrq
