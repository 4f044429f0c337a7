// Building and elf pictures from "data/buildings.pjw" and "data/elves.pjw", keyed on magenta.
#include "world/PackageImages.h"

#include <SDL.h>

#include "jwe/Exceptions.h"
#include "jwe/Package.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Surfaces.h"

namespace wtrq {
namespace {

Sprite loadKeyedOnMagenta(Package& package, const std::string& member)
{
    package.extract(member);
    Sprite image = adoptSurface(loadImage(scratchPath("temp.tmp")));
    if (image)
        SDL_SetColorKey(image.get(), SDL_SRCCOLORKEY, SDL_MapRGB(image->format, 255, 0, 255));
    return image;
}

std::size_t slotOf(BuildingType type) { return static_cast<std::size_t>(type) - 1; }
std::size_t slotOf(ElfType type) { return static_cast<std::size_t>(type) - 1; }

}  // namespace

PackageImages::PackageImages(std::string buildings, std::string elves)
    : buildingsPackage(std::move(buildings)), elvesPackage(std::move(elves))
{
}

BuildingSprites PackageImages::buildingSprites(BuildingType type)
{
    const BuildingTypeInfo& info = buildingTypeInfo(type);
    Package package(buildingsPackage);
    BuildingSprites result;
    auto add = [&package](std::vector<Sprite>& list, const std::string& member) {
        Sprite image = loadKeyedOnMagenta(package, member);
        if (!image)
            throw FileLoadingFailed(member, std::string("Building image does not decode: ") + SDL_GetError());
        list.push_back(std::move(image));
    };
    for (const std::string& member : info.restingImages)
        add(result.resting, member);
    for (const std::string& member : info.workingFrames)
        add(result.working, member);
    package.close();
    return result;
}

Sprite PackageImages::elfSprite(ElfType type)
{
    Package package(elvesPackage);
    Sprite image = loadKeyedOnMagenta(package, elfImageName(type));
    package.close();
    return image;
}

CachedImages::CachedImages(GameImages& images) : source(images) {}

BuildingSprites CachedImages::buildingSprites(BuildingType type)
{
    buildingTypeInfo(type);  // refuses a type outside the table before indexing the cache
    std::optional<BuildingSprites>& cached = buildings[slotOf(type)];
    if (!cached)
        cached = source.buildingSprites(type);
    return *cached;
}

Sprite CachedImages::elfSprite(ElfType type)
{
    elfImageName(type);
    Sprite& cached = elves[slotOf(type)];
    if (!cached)
        cached = source.elfSprite(type);
    return cached;
}

}  // namespace wtrq
