// A hired elf: a worker, a geologist or a carrier, its place on the map and its errand.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>

#include "world/ElfType.h"
#include "world/GameImages.h"
#include "world/Sprite.h"
#include "world/Tile.h"
#include "world/Ticks.h"

namespace wtrq {

class World;
class RandomSource;

// A carrier's timer with all bits set is not waiting inside a building.
constexpr Ticks notWaiting = 0xFFFFFFFFu;
// How long a carrier stays inside its mine or foundry on each visit.
constexpr Ticks carrierStay = 3000;

// What a geologist reports from `takeFind`.
enum Find : int { NothingFound = 0, IronFound = 1, OilFound = 2 };

class Elf {
public:
    // Makes an elf of a kind standing on (x, y). A kind outside 1 to 3 raises
    // "Elf type invalid: out of bounds!", a picture that does not load "Failed to load image!".
    static Elf make(ElfType type, int x, int y, GameImages& images);

    Elf(const Elf&) = delete;
    Elf& operator=(const Elf&) = delete;
    Elf(Elf&&) noexcept = default;
    Elf& operator=(Elf&&) noexcept = default;

    // One elf tick, every 500 ms.
    void update(World& world);
    void draw(SDL_Surface* target) const;
    int takeFind(RandomSource& random);
    void startRoute(World& world);

    bool hasSteps() const { return dx != 0 || dy != 0; }
    // One tile down or up first, then in the same step one tile right or left.
    void walkStep();
    void walkTo(TilePos target);

    ElfType type;
    Sprite sprite;
    std::int32_t x;
    std::int32_t y;
    bool routeActive = false;
    std::int32_t mine = -1;
    std::int32_t foundry = -1;
    bool toFoundry = false;
    Ticks timer = notWaiting;
    std::array<std::uint8_t, mapColumns * mapRows> explored{};  // index x * 14 + y
    GeologistState searchState = GeologistState::Searching;
    bool employed = false;
    std::int32_t dy = 0;
    std::int32_t dx = 0;
    bool hidden = false;
    bool onTheWay = false;

private:
    Elf(ElfType kind, Sprite picture, int startX, int startY);

    void updateWorker(World& world);
    void updateGeologist(World& world);
    void updateCarrier(World& world);
    void walkOn(RandomSource& random);
};

}  // namespace wtrq
