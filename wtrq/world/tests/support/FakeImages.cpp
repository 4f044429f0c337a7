// Coloured squares standing in for the package pictures, counted as they are freed.
#include "support/FakeImages.h"

namespace wtrq::test {

Uint32 restingColour(BuildingType type, int slot)
{
    return (static_cast<Uint32>(type) * 20) << 16 | static_cast<Uint32>(slot + 1) << 8;
}

Uint32 workingColour(BuildingType type, int frame)
{
    return (static_cast<Uint32>(type) * 20) << 16 | static_cast<Uint32>(frame + 1) << 8 | 0x80;
}

Uint32 elfColour(ElfType type)
{
    return 0x00F00000u | static_cast<Uint32>(type) * 0x40;
}

SDL_Surface* makeMemorySurface(int width, int height)
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
}

FakeImages::FakeImages() : live(std::make_shared<int>(0)) {}

Sprite FakeImages::square(Uint32 colour)
{
    SDL_Surface* surface = makeMemorySurface(32, 32);
    SDL_FillRect(surface, nullptr, colour);
    ++*live;
    std::shared_ptr<int> counter = live;
    return Sprite(surface, [counter](SDL_Surface* s) {
        --*counter;
        SDL_FreeSurface(s);
    });
}

BuildingSprites FakeImages::buildingSprites(BuildingType type)
{
    ++buildingLoads;
    const BuildingTypeInfo& info = buildingTypeInfo(type);
    BuildingSprites result;
    for (std::size_t i = 0; i < info.restingImages.size(); ++i)
        result.resting.push_back(square(restingColour(type, static_cast<int>(i))));
    for (std::size_t i = 0; i < info.workingFrames.size(); ++i)
        result.working.push_back(square(workingColour(type, static_cast<int>(i))));
    return result;
}

Sprite FakeImages::elfSprite(ElfType type)
{
    ++elfLoads;
    if (elfImagesBroken)
        return {};
    return square(elfColour(type));
}

}  // namespace wtrq::test
