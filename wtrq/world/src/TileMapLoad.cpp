// Loading the tile kinds from the tiles package: the list through "tileinfo.tmp", each image
// through "temp.tmp".
#include <SDL.h>

#include <fstream>
#include <iterator>

#include "jwe/Exceptions.h"
#include "jwe/Package.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Surfaces.h"
#include "world/TileList.h"
#include "world/TileMap.h"

namespace wtrq {
namespace {

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileLoadingFailed(path, "Read-mode opening failed.");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every pixel with the colour of the top-left one becomes transparent.
void keyOnTopLeftPixel(SDL_Surface* image)
{
    if (!lockSurface(image))
        return;
    const Uint32 key = getPixel(image, 0, 0);
    unlockSurface(image);
    SDL_SetColorKey(image, SDL_SRCCOLORKEY, key);
}

}  // namespace

void TileMap::load(RandomSource& random, const std::string& packagePath)
{
    clear();
    Package package(packagePath);
    // The list has a scratch file of its own: the images go through "temp.tmp" meanwhile.
    const std::string listFile = scratchPath("tileinfo.tmp");
    package.extractTo("tiles.dat", listFile);
    std::string text;
    try {
        text = readWholeFile(listFile);
    } catch (...) {
        scratchFolder().removeFile("tileinfo.tmp");
        throw;
    }
    scratchFolder().removeFile("tileinfo.tmp");

    std::vector<TileType> loaded;
    for (const TileListEntry& entry : parseTileList(text)) {
        package.extract(entry.imageMember);
        Sprite image = adoptSurface(loadImage(scratchPath("temp.tmp")));
        if (!image)
            throw FileLoadingFailed(entry.imageMember, std::string("Tile image does not decode: ") + SDL_GetError());
        if (entry.transparent)
            keyOnTopLeftPixel(image.get());
        loaded.push_back({entry.isGround, std::move(image)});
    }
    package.close();
    useTileTypes(std::move(loaded));
    generate(random);
}

}  // namespace wtrq
