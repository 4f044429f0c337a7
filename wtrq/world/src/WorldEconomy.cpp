// Paying for elves, production in every building, factory sales and the final score.
#include <stdexcept>

#include "world/World.h"

namespace wtrq {

int World::hire(int item)
{
    ElfType type;
    int price;
    switch (item) {
    case 7:
        type = ElfType::Worker;
        price = 200;
        break;
    case 8:
        type = ElfType::Geologist;
        price = 600;
        break;
    case 9:
        type = ElfType::Carrier;
        price = 400;
        break;
    default:
        throw std::runtime_error("Invalid elf type in buying!");
    }
    // Money is checked first: with neither money nor room the player hears about the money.
    if (money < price)
        return NotEnoughMoneyToHire;
    for (const Building& building : buildings) {
        if (building.type == BuildingType::Office && building.upkept < officeUpkeep) {
            pendingHire = static_cast<std::int32_t>(type);
            money -= price;
            return Hired;
        }
    }
    return NoOfficeWithRoom;
}

void World::produceAndDraw(SDL_Surface* target)
{
    const Ticks now = this->now();
    for (Building& building : buildings) {
        building.draw(target, now);
        if (!building.isWorking() || !building.isProductionDue(now))
            continue;
        switch (building.type) {
        case BuildingType::Woodworker:
            wood += 3;
            break;
        case BuildingType::Plastics:
            plastic += 2;
            break;
        case BuildingType::Foundry:
            steel += 3;
            break;
        case BuildingType::Factory:
            sell();
            break;
        default:
            break;
        }
    }
}

void World::sell()
{
    // Each ingredient is sold on its own; an empty store still uses up the factory's period.
    int value = 0;
    if (wood >= 10) {
        wood -= 10;
        value += 200;
    }
    if (steel >= 5) {
        steel -= 5;
        value += 300;
    }
    if (plastic >= 3) {
        plastic -= 3;
        value += 500;
    }
    money += value;
}

int World::finalScore() const
{
    return money + 2 * wood + 3 * steel + 4 * plastic;
}

}  // namespace wtrq
