// Building and elf pictures read from their packages: afresh on every request, or once per game.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "world/GameImages.h"

namespace wtrq {

// Opens the package, extracts each member through "temp.tmp" and decodes it, on every call.
class PackageImages final : public GameImages {
public:
    explicit PackageImages(std::string buildingsPackage = "data/buildings.pjw",
                           std::string elvesPackage = "data/elves.pjw");
    // Throws the package's errors, or FileLoadingFailed for a member that does not decode.
    BuildingSprites buildingSprites(BuildingType type) override;
    Sprite elfSprite(ElfType type) override;

private:
    std::string buildingsPackage;
    std::string elvesPackage;
};

// Loads each type's pictures from another source the first time they are asked for and hands
// the same surfaces to every later record: a purchase or a placement then opens no package.
// The records share the surfaces; the last holder (the cache or a record) frees them once.
class CachedImages final : public GameImages {
public:
    explicit CachedImages(GameImages& source);
    BuildingSprites buildingSprites(BuildingType type) override;
    Sprite elfSprite(ElfType type) override;

private:
    GameImages& source;
    std::array<std::optional<BuildingSprites>, 8> buildings;
    std::array<Sprite, 3> elves;
};

}  // namespace wtrq
