// Making, walking and drawing an elf, and the tick of each kind.
#include "world/Elf.h"

#include <stdexcept>
#include <vector>

#include "jwe/Utilities.h"
#include "world/RandomSource.h"
#include "world/World.h"

namespace wtrq {
namespace {

int exploredIndex(int x, int y) { return x * mapRows + y; }

}  // namespace

Elf Elf::make(ElfType type, int x, int y, GameImages& images)
{
    elfImageName(type);  // refuses a kind outside 1 to 3 before anything is loaded
    Sprite picture = images.elfSprite(type);
    if (!picture)
        throw std::runtime_error("Failed to load image!");
    return Elf(type, std::move(picture), x, y);
}

Elf::Elf(ElfType kind, Sprite picture, int startX, int startY)
    : type(kind), sprite(std::move(picture)), x(startX), y(startY)
{
}

void Elf::walkStep()
{
    if (dy != 0) {
        const int step = ::sign(dy);
        y += step;
        dy -= step;
    }
    if (dx != 0) {
        const int step = ::sign(dx);
        x += step;
        dx -= step;
    }
}

void Elf::walkTo(TilePos target)
{
    dx = target.x - x;
    dy = target.y - y;
}

void Elf::draw(SDL_Surface* target) const
{
    if (!hidden)
        drawSprite(sprite, target, tilePixelX(x), tilePixelY(y));
}

void Elf::update(World& world)
{
    switch (type) {
    case ElfType::Worker:
        updateWorker(world);
        break;
    case ElfType::Geologist:
        updateGeologist(world);
        break;
    case ElfType::Carrier:
        updateCarrier(world);
        break;
    }
}

void Elf::updateWorker(World& world)
{
    if (hidden)
        return;
    if (hasSteps()) {
        if (onTheWay)
            walkStep();
        return;
    }
    if (!onTheWay)
        return;
    // The workplace counts a worker only on arrival, so the first to arrive takes a last place.
    for (Building& building : world.buildings) {
        if (!isMarker(building.type) && building.entrance() == TilePos{x, y} &&
            building.workers < building.workersNeeded) {
            ++building.workers;
            employed = true;
            hidden = true;
            return;
        }
    }
    onTheWay = false;
    employed = false;
}

void Elf::updateGeologist(World& world)
{
    if (searchState == GeologistState::Exhausted)
        return;
    if (hasSteps()) {
        walkStep();
        return;
    }
    explored[exploredIndex(x, y)] = 1;
    switch (searchState) {
    case GeologistState::Searching: {
        // The search timer keeps its all-bits-set start value unless something sets it, so a
        // geologist searches as soon as it stands still. The start value must not be read as
        // a tick count: right after start-up or after the count wraps it would look recent,
        // and the geologist would re-arm the timer on every tick and never search again.
        if (timer != notWaiting && ticksSince(world.now(), timer) < 3000) {
            timer = world.now();
            return;
        }
        bool onBuildingOrigin = false;
        for (const Building& building : world.buildings)
            onBuildingOrigin = onBuildingOrigin || (building.x == x && building.y == y);
        const int roll = randomInt(world.random(), 1, 10);
        if (roll == 5 && !onBuildingOrigin) {
            searchState = GeologistState::Found;
            return;
        }
        walkOn(world.random());
        break;
    }
    case GeologistState::Found:
        break;  // the world takes the find in this same tick
    case GeologistState::Reported:
        walkOn(world.random());
        break;
    case GeologistState::Exhausted:
        break;
    }
}

void Elf::walkOn(RandomSource& random)
{
    std::vector<TilePos> unexplored;
    for (int tx = 0; tx < mapColumns; ++tx)
        for (int ty = 0; ty < mapRows; ++ty)
            if (!explored[exploredIndex(tx, ty)])
                unexplored.push_back({tx, ty});
    if (unexplored.empty()) {
        searchState = GeologistState::Exhausted;
        return;
    }
    walkTo(unexplored[randomInt(random, 0, static_cast<int>(unexplored.size()) - 1)]);
}

int Elf::takeFind(RandomSource& random)
{
    if (searchState != GeologistState::Found)
        return NothingFound;
    searchState = GeologistState::Reported;
    return randomInt(random, 1, 2) == 1 ? OilFound : IronFound;
}

void Elf::updateCarrier(World& world)
{
    if (!routeActive)
        return;
    if (timer == notWaiting) {
        if (hasSteps()) {
            walkStep();
            return;
        }
        const int target = toFoundry ? foundry : mine;
        if (world.buildings.at(target).entrance() == TilePos{x, y}) {
            timer = world.now();
            hidden = true;
        } else {
            routeActive = false;
            toFoundry = false;
        }
        return;
    }
    if (hasElapsed(world.now(), timer, carrierStay)) {
        toFoundry = !toFoundry;
        timer = notWaiting;
        hidden = false;
        walkTo(world.buildings.at(toFoundry ? foundry : mine).entrance());
    }
}

void Elf::startRoute(World& world)
{
    toFoundry = false;
    dx = 0;
    dy = 0;
    routeActive = true;
    walkTo(world.buildings.at(mine).entrance());
}

}  // namespace wtrq
