// The world's lifetime and the small lookups its operations share.
#include "world/World.h"

namespace wtrq {

World::World(const TileMap& map, GameImages& gameImages, TickSource& ticks, RandomSource& randomNumbers)
    : tileMap(map), images(gameImages), clock(ticks), randomSource(randomNumbers)
{
}

World::~World()
{
    release();
}

void World::release()
{
    for (Building& building : buildings)
        building.releaseSprites();
    buildings.clear();
    preview.releaseSprites();
    elves.clear();
    placing = false;
}

void World::addBuilding(BuildingType type, int x, int y)
{
    Building building;
    building.load(type, images);
    building.setPosition(x, y);
    building.animTick = now();
    building.lastProduction = now();
    buildings.push_back(std::move(building));
}

}  // namespace wtrq
