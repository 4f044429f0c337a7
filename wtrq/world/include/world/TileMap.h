// The 20 x 14 map of ground tiles with a few dozen obstacles, made anew for every game.
#pragma once

#include <SDL.h>

#include <array>
#include <string>
#include <vector>

#include "world/Sprite.h"
#include "world/Tile.h"

namespace wtrq {

class RandomSource;

struct TileType {
    bool isGround = true;  // false: an obstacle
    Sprite image;
};

class TileMap {
public:
    TileMap();

    // Reads the tile kinds of "tiles.dat" and their images from the tiles package, then
    // generates a map. Throws the package's errors, the list's (see parseTileList) and
    // FileLoadingFailed for a tile image that does not decode; the map is then left empty.
    void load(RandomSource& random, const std::string& packagePath = "data/tiles.pjw");
    // Takes tile kinds loaded elsewhere; the list needs a ground and an obstacle kind.
    void useTileTypes(std::vector<TileType> types);
    // A new random map from the loaded kinds.
    void generate(RandomSource& random);
    void draw(SDL_Surface* target) const;
    // True when the cell holds an obstacle; cells off the map count as blocked.
    bool isBlocked(int x, int y) const;
    // Frees the tile images and empties both layers.
    void clear();

    int groundAt(int x, int y) const { return ground[cell(x, y)]; }
    int overlayAt(int x, int y) const { return overlay[cell(x, y)]; }
    const std::vector<TileType>& tileTypes() const { return types; }

private:
    // Both layers are stored column by column.
    static int cell(int x, int y) { return x * mapRows + y; }

    std::array<int, mapColumns * mapRows> ground;
    std::array<int, mapColumns * mapRows> overlay;
    std::vector<TileType> types;
};

}  // namespace wtrq
