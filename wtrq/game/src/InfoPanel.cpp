// The info panel: opening near the building, the lines for each type, closing on a click outside.
#include "game/InfoPanel.h"

#include <SDL_gfxPrimitives.h>

#include <algorithm>

#include "game/PanelLook.h"
#include "jwe/Utilities.h"

namespace wtrq {

namespace {

bool carrierSupplies(const World& world, int foundry)
{
    return std::any_of(world.elves.begin(), world.elves.end(), [foundry](const Elf& elf) {
        return elf.type == ElfType::Carrier && elf.foundry == foundry;
    });
}

}  // namespace

bool openInfoPanel(World& world, int mx, int my)
{
    const int tx = mx / tileSize;
    const int ty = (my - topBarHeight) / tileSize;
    for (std::size_t i = 0; i < world.buildings.size(); ++i) {
        const Building& building = world.buildings[i];
        if (isMarker(building.type) || !building.contains(tx, ty)) {
            continue;
        }
        world.infoBuilding = static_cast<std::int32_t>(i);
        world.infoX = tileSize * (building.x + 1);
        if (world.infoX + panelWidth > 640) {
            world.infoX = 430;
        }
        world.infoY = tileSize * (building.y + 2);
        if (world.infoY + infoPanelHeight > 480) {
            world.infoY = 334;
        }
        return true;
    }
    return false;
}

bool infoPanelClick(World& world, int mx, int my)
{
    if (world.infoBuilding == -1) {
        return false;
    }
    const bool inside = world.infoX <= mx && mx <= world.infoX + panelWidth && world.infoY <= my &&
                        my <= world.infoY + infoPanelHeight;
    if (!inside) {
        closeInfoPanel(world);
    }
    return true;
}

void closeInfoPanel(World& world)
{
    world.infoBuilding = -1;
    world.infoX = 0;
    world.infoY = 0;
}

std::vector<std::string> infoPanelLines(const World& world, int index)
{
    const Building& building = world.buildings[static_cast<std::size_t>(index)];
    std::vector<std::string> lines = buildingTypeInfo(building.type).infoLines;
    if (isMarker(building.type)) {
        return lines;
    }
    if (building.type == BuildingType::Office) {
        if (building.upkept < officeUpkeep) {
            lines.push_back("[ + ] Upkeep: " + toString(building.upkept) + " / " + "4");
        } else {
            lines.push_back("[ - ] Upkeep: 4 / 4");
        }
        return lines;
    }
    std::string reason;
    const std::string staff = toString(building.workers) + " / " + toString(building.workersNeeded);
    if (building.workers < building.workersNeeded) {
        lines.push_back("[ - ] Workers: " + staff);
        reason = "needs more workers!";
    } else {
        lines.push_back("[ + ] Workers: " + staff);
    }
    // Without ore brought in, a fully staffed foundry stands idle too.
    if (building.type == BuildingType::Foundry && !carrierSupplies(world, index)) {
        reason = "needs iron ore!";
    }
    if (reason.empty()) {
        lines.push_back("[ + ] Working!");
    } else {
        lines.push_back("[ - ] Not working,");
        lines.push_back("       " + reason);
    }
    return lines;
}

void drawInfoPanel(const World& world, SDL_Surface* target)
{
    if (world.infoBuilding == -1) {
        return;
    }
    const Building& building = world.buildings[static_cast<std::size_t>(world.infoBuilding)];
    const int left = tilePixelX(building.x);
    const int top = tilePixelY(building.y);
    rectangleRGBA(target, left, top, left + tileSize * building.width(), top + tileSize * building.height(), 200, 0,
                  0, 255);
    drawPanelFrame(target, world.infoX, world.infoY, panelWidth, infoPanelHeight);
    drawPanelLines(target, world.infoX, world.infoY, infoPanelLines(world, world.infoBuilding));
}

}  // namespace wtrq
