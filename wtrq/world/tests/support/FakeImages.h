// Pictures for tests without packages: each image a plain 32 x 32 square of a colour that tells
// which type, slot and frame it is, with a count of the surfaces still alive.
#pragma once

#include <SDL.h>

#include <memory>

#include "world/GameImages.h"

namespace wtrq::test {

// The colour of a building's resting image in a slot, or of its working frame.
Uint32 restingColour(BuildingType type, int slot);
Uint32 workingColour(BuildingType type, int frame);
Uint32 elfColour(ElfType type);

// A 32-bit RGB memory surface (no alpha), the format the probes read.
SDL_Surface* makeMemorySurface(int width, int height);

class FakeImages final : public GameImages {
public:
    FakeImages();
    BuildingSprites buildingSprites(BuildingType type) override;
    Sprite elfSprite(ElfType type) override;

    // Surfaces made and not yet freed.
    int liveSurfaces() const { return *live; }
    int buildingLoads = 0;
    int elfLoads = 0;
    // When set, elf pictures come back empty, as an image that does not decode.
    bool elfImagesBroken = false;

private:
    Sprite square(Uint32 colour);
    std::shared_ptr<int> live;
};

}  // namespace wtrq::test
