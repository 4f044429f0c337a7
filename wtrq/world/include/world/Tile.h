// Tile coordinates of the 20 x 14 map and where a tile lies on the 640 x 480 screen.
#pragma once

namespace wtrq {

constexpr int mapColumns = 20;
constexpr int mapRows = 14;
constexpr int tileSize = 32;
// The map starts under the top bar, one tile down from the top of the screen.
constexpr int topBarHeight = 32;

struct TilePos {
    int x = 0;
    int y = 0;
    friend bool operator==(TilePos, TilePos) = default;
};

constexpr int tilePixelX(int x) { return tileSize * x; }
constexpr int tilePixelY(int y) { return tileSize * (y + 1); }

constexpr bool isOnMap(int x, int y) { return x >= 0 && x < mapColumns && y >= 0 && y < mapRows; }

}  // namespace wtrq
