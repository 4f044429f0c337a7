// Hiring elves into offices, sending workers and carriers, and the elf tick of the whole world.
#include "world/World.h"

namespace wtrq {

template <typename Test>
int World::findBuilding(int tx, int ty, Test test) const
{
    for (std::size_t i = 0; i < buildings.size(); ++i)
        if (buildings[i].contains(tx, ty) && test(buildings[i]))
            return static_cast<int>(i);
    return -1;
}

bool World::placeNewElf(int tx, int ty)
{
    if (pendingHire == -1)
        return false;
    const int office = findBuilding(tx, ty, [](const Building& b) { return b.type == BuildingType::Office; });
    if (office == -1 || buildings[office].upkept >= officeUpkeep)
        return false;
    // The elf is made before the office counts it, so a failed load leaves the office's room.
    elves.push_back(Elf::make(static_cast<ElfType>(pendingHire), tx, ty, images));
    ++buildings[office].upkept;
    pendingHire = -1;
    return true;
}

bool World::assignWorker(int tx, int ty)
{
    const int worker = workerToAssign;
    workerToAssign = -1;
    if (worker < 0 || worker >= static_cast<int>(elves.size()))
        return false;
    const int place = findBuilding(tx, ty, [](const Building& b) {
        return !isMarker(b.type) && b.type != BuildingType::Office;
    });
    if (place == -1 || buildings[place].workers >= buildings[place].workersNeeded)
        return false;
    // Counted only on arrival: several workers may be sent to a last free place.
    Elf& elf = elves[worker];
    elf.employed = true;
    elf.walkTo(buildings[place].entrance());
    elf.onTheWay = true;
    return true;
}

bool World::chooseMine(int tx, int ty)
{
    const int carrier = carrierForMine;
    carrierForMine = -1;
    if (carrier < 0 || carrier >= static_cast<int>(elves.size()))
        return false;
    const int mine = findBuilding(tx, ty, [](const Building& b) { return b.type == BuildingType::Mine; });
    if (mine == -1 || !buildings[mine].isWorking())
        return false;
    elves[carrier].mine = mine;
    carrierForFoundry = carrier;
    return true;
}

bool World::chooseFoundry(int tx, int ty)
{
    const int carrier = carrierForFoundry;
    carrierForFoundry = -1;
    if (carrier < 0 || carrier >= static_cast<int>(elves.size()))
        return false;
    const int foundry = findBuilding(tx, ty, [](const Building& b) { return b.type == BuildingType::Foundry; });
    // The foundry needs its workers; the carrier being set up is what will supply it.
    if (foundry == -1 || buildings[foundry].workers < buildings[foundry].workersNeeded)
        return false;
    ++buildings[foundry].carriers;
    Elf& elf = elves[carrier];
    elf.foundry = foundry;
    elf.startRoute(*this);
    return true;
}

void World::updateElves()
{
    for (Elf& elf : elves) {
        elf.update(*this);
        if (elf.type != ElfType::Geologist)
            continue;
        const int find = elf.takeFind(randomSource);
        if (find == IronFound)
            addBuilding(BuildingType::Iron, elf.x, elf.y);
        else if (find == OilFound)
            addBuilding(BuildingType::Oil, elf.x, elf.y);
    }
    shareExploration();
}

void World::shareExploration()
{
    // The first geologist gathers what every other one knows, then hands the union back.
    Elf* hub = nullptr;
    for (Elf& elf : elves) {
        if (elf.type != ElfType::Geologist)
            continue;
        if (!hub) {
            hub = &elf;
            continue;
        }
        for (std::size_t i = 0; i < hub->explored.size(); ++i)
            hub->explored[i] |= elf.explored[i];
    }
    if (!hub)
        return;
    for (Elf& elf : elves)
        if (elf.type == ElfType::Geologist && &elf != hub)
            elf.explored = hub->explored;
}

void World::drawElves(SDL_Surface* target) const
{
    for (const Elf& elf : elves)
        elf.draw(target);
}

}  // namespace wtrq
