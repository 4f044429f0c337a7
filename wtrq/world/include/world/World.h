// The state of one game: buildings, elves, money and stocks, and the operations the game screen calls.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "world/Building.h"
#include "world/Elf.h"
#include "world/GameImages.h"
#include "world/RandomSource.h"
#include "world/Ticks.h"
#include "world/TileMap.h"

namespace wtrq {

// Results of `buy`.
enum BuyResult : int { Bought = 0, NotPlacing = 1, NotEnoughMoneyToBuy = 2, InvalidSpot = 3 };
// Results of `hire`.
enum HireResult : int { Hired = 0, NotEnoughMoneyToHire = 2, NoOfficeWithRoom = 4 };

// An office upkeeps at most this many elves for the whole game.
constexpr int officeUpkeep = 4;
constexpr int startMoney = 5000;

class World {
public:
    // The map, the pictures, the clock and the random source must outlive the world. The game
    // passes a CachedImages over PackageImages made with the game: reading a building's
    // pictures from the package costs up to some milliseconds, too much for a click.
    World(const TileMap& map, GameImages& images, TickSource& clock, RandomSource& random);
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    Ticks now() const { return clock.now(); }
    RandomSource& random() { return randomSource; }

    // Placement of a new building.
    int buildCost(BuildingType type) const { return wtrq::buildCost(type); }
    void startPlacement(BuildingType type);
    void cancelPlacement();
    void followMouse(int mx, int my);
    void drawPreview(SDL_Surface* target);
    bool isValidSpot() const;
    int buy();
    void addBuilding(BuildingType type, int x, int y);

    // Elves; each operation takes the tile the player clicked.
    bool placeNewElf(int tx, int ty);
    bool assignWorker(int tx, int ty);
    bool chooseMine(int tx, int ty);
    bool chooseFoundry(int tx, int ty);
    void updateElves();
    void drawElves(SDL_Surface* target) const;

    // Economy: `item` is the build menu's entry 7 (worker), 8 (geologist) or 9 (carrier).
    int hire(int item);
    void produceAndDraw(SDL_Surface* target);
    int finalScore() const;

    // Lets go of every picture of the buildings, the preview and the elves.
    void release();

    std::vector<Building> buildings;  // creation order: drawing, production and lookups follow it
    Building preview;
    Ticks previewBlinkTick = 0;
    bool placing = false;
    std::int32_t money = startMoney;
    std::int32_t wood = 0;
    std::int32_t steel = 0;
    std::int32_t plastic = 0;
    std::vector<Elf> elves;  // hiring order
    std::int32_t pendingHire = -1;
    std::int32_t infoBuilding = -1;
    std::int32_t infoX = 0;
    std::int32_t infoY = 0;
    bool elvesPanelOpen = false;
    std::int32_t elvesPanelX = 0;
    std::int32_t elvesPanelY = 0;
    std::int32_t elvesPanelHover = -1;
    std::int32_t workerToAssign = -1;
    std::int32_t carrierForMine = -1;
    std::int32_t carrierForFoundry = -1;

private:
    // Index of the first building that contains the tile and passes the test, or -1.
    template <typename Test>
    int findBuilding(int tx, int ty, Test test) const;
    void shareExploration();
    void sell();

    const TileMap& tileMap;
    GameImages& images;
    TickSource& clock;
    RandomSource& randomSource;
};

}  // namespace wtrq
