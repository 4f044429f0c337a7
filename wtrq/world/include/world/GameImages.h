// Where buildings and elves get their pictures: straight from the packages, or from a per-game cache.
#pragma once

#include <vector>

#include "world/BuildingType.h"
#include "world/ElfType.h"
#include "world/Sprite.h"

namespace wtrq {

struct BuildingSprites {
    std::vector<Sprite> resting;  // slot order of the type table
    std::vector<Sprite> working;
};

class GameImages {
public:
    virtual ~GameImages() = default;
    // The resting images and working frames of a valid type, colour-keyed on magenta.
    // Throws when a member is missing or does not decode.
    virtual BuildingSprites buildingSprites(BuildingType type) = 0;
    // The picture of a valid elf kind, colour-keyed on magenta; empty when it does not decode.
    virtual Sprite elfSprite(ElfType type) = 0;
};

}  // namespace wtrq
