// The free-elves panel: counting idle elves, picking one, and drawing the three lines.
#include "game/ElvesPanel.h"

#include <algorithm>

#include "game/PanelLook.h"
#include "jwe/Utilities.h"

namespace wtrq {

namespace {

bool isFreeWorker(const Elf& elf)
{
    return elf.type == ElfType::Worker && !elf.employed;
}

bool isFreeCarrier(const Elf& elf)
{
    return elf.type == ElfType::Carrier && !elf.routeActive;
}

template <typename Test>
int firstElf(const World& world, Test test)
{
    const auto found = std::find_if(world.elves.begin(), world.elves.end(), test);
    return found == world.elves.end() ? -1 : static_cast<int>(found - world.elves.begin());
}

bool hasBuilding(const World& world, BuildingType type)
{
    return std::any_of(world.buildings.begin(), world.buildings.end(),
                       [type](const Building& building) { return building.type == type; });
}

}  // namespace

int freeWorkers(const World& world)
{
    return static_cast<int>(std::count_if(world.elves.begin(), world.elves.end(), isFreeWorker));
}

int freeCarriers(const World& world)
{
    return static_cast<int>(std::count_if(world.elves.begin(), world.elves.end(), isFreeCarrier));
}

void openElvesPanel(World& world, int mx, int my)
{
    world.elvesPanelX = mx + panelWidth > 640 ? 430 : mx;
    world.elvesPanelY = my + elvesPanelHeight > 480 ? 404 : my;
    world.elvesPanelHover = 0;
    world.elvesPanelOpen = true;
}

ElvesPanelOutcome elvesPanelClick(World& world, int mx, int my)
{
    world.workerToAssign = -1;
    world.carrierForMine = -1;
    world.carrierForFoundry = -1;
    const int x = world.elvesPanelX;
    const int y = world.elvesPanelY;
    if (mx < x || mx > x + panelWidth || my < y || my > y + elvesPanelHeight) {
        world.elvesPanelOpen = false;
        return ElvesPanelOutcome::Nothing;
    }
    if (world.elvesPanelHover == 1) {
        const int worker = firstElf(world, isFreeWorker);
        if (worker == -1) {
            return ElvesPanelOutcome::Nothing;
        }
        world.workerToAssign = worker;
        world.elvesPanelOpen = false;
        return ElvesPanelOutcome::WorkerPicked;
    }
    if (world.elvesPanelHover == 2) {
        if (!hasBuilding(world, BuildingType::Mine) || !hasBuilding(world, BuildingType::Foundry)) {
            return ElvesPanelOutcome::CarrierRefused;
        }
        const int carrier = firstElf(world, isFreeCarrier);
        if (carrier == -1) {
            return ElvesPanelOutcome::Nothing;
        }
        world.carrierForMine = carrier;
        world.elvesPanelOpen = false;
        return ElvesPanelOutcome::CarrierPicked;
    }
    return ElvesPanelOutcome::Nothing;
}

void drawElvesPanel(World& world, SDL_Surface* target, int mx, int my)
{
    if (!world.elvesPanelOpen) {
        return;
    }
    const int x = world.elvesPanelX;
    const int y = world.elvesPanelY;
    drawPanelFrame(target, x, y, panelWidth, elvesPanelHeight);
    if (bandHolds(x, y, 27, 49, mx, my)) {
        world.elvesPanelHover = 1;
        highlightBand(target, x, y, panelWidth, 27, 49);
    } else if (bandHolds(x, y, 51, 73, mx, my)) {
        world.elvesPanelHover = 2;
        highlightBand(target, x, y, panelWidth, 51, 73);
    } else {
        world.elvesPanelHover = -1;
    }
    drawPanelLines(target, x, y,
                   {"--- FREE ELVES ---", "Select free worker (" + toString(freeWorkers(world)) + ")",
                    "Select free carrier (" + toString(freeCarriers(world)) + ")"});
}

}  // namespace wtrq
