// Generating, drawing and querying the tile map.
#include "world/TileMap.h"

#include <algorithm>
#include <stdexcept>

#include "world/RandomSource.h"

namespace wtrq {
namespace {

bool hasBothKinds(const std::vector<TileType>& types)
{
    const auto ground = std::count_if(types.begin(), types.end(), [](const TileType& t) { return t.isGround; });
    return ground > 0 && ground < static_cast<long>(types.size());
}

}  // namespace

TileMap::TileMap()
{
    clear();
}

void TileMap::clear()
{
    types.clear();
    ground.fill(-1);
    overlay.fill(-1);
}

void TileMap::useTileTypes(std::vector<TileType> newTypes)
{
    // Without both kinds the generator would draw forever looking for the missing one.
    if (!hasBothKinds(newTypes))
        throw std::invalid_argument("A tile map needs at least one ground and one obstacle tile type.");
    clear();
    types = std::move(newTypes);
}

void TileMap::generate(RandomSource& random)
{
    if (!hasBothKinds(types))
        throw std::logic_error("A tile map needs at least one ground and one obstacle tile type.");
    const int last = static_cast<int>(types.size()) - 1;
    ground.fill(-1);
    overlay.fill(-1);
    for (int x = 0; x < mapColumns; ++x) {
        for (int y = 0; y < mapRows; ++y) {
            int t;
            do {
                t = randomInt(random, 0, last);
            } while (!types[t].isGround);
            ground[cell(x, y)] = t;
        }
    }
    const int obstacles = randomInt(random, 40, 50);
    for (int i = 0; i < obstacles; ++i) {
        const int x = randomInt(random, 0, mapColumns - 1);
        const int y = randomInt(random, 0, mapRows - 1);
        // A cell chosen twice keeps the later obstacle.
        do {
            overlay[cell(x, y)] = randomInt(random, 0, last);
        } while (types[overlay[cell(x, y)]].isGround);
    }
}

void TileMap::draw(SDL_Surface* target) const
{
    for (int x = 0; x < mapColumns; ++x) {
        for (int y = 0; y < mapRows; ++y) {
            const int g = ground[cell(x, y)];
            if (g >= 0)
                drawSprite(types[g].image, target, tilePixelX(x), tilePixelY(y));
            const int o = overlay[cell(x, y)];
            if (o >= 0)
                drawSprite(types[o].image, target, tilePixelX(x), tilePixelY(y));
        }
    }
}

bool TileMap::isBlocked(int x, int y) const
{
    if (!isOnMap(x, y))
        return true;
    return overlay[cell(x, y)] != -1;
}

}  // namespace wtrq
