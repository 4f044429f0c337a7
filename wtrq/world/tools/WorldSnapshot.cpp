// Draws a map from the game's packages with every building type placed, some of them working,
// and elves on it, into a memory screen, and saves it as a PNG for looking at the pictures:
//   wtrq_world_snapshot DATA_FOLDER OUTPUT.png [SEED]
#include <SDL.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "jwe/Exceptions.h"
#include "jwe/Package.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Surfaces.h"
#include "world/PackageImages.h"
#include "world/World.h"

namespace {

using namespace wtrq;

class FixedClock final : public TickSource {
public:
    Ticks now() const override { return current; }
    Ticks current = 100000;
};

void savePng(SDL_Surface* surface, const std::string& path)
{
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        throw std::runtime_error("cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, out);
    png_set_IHDR(png, info, surface->w, surface->h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(surface->w) * 3);
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            Uint8 r, g, b;
            SDL_GetRGB(getPixel(surface, x, y), surface->format, &r, &g, &b);
            row[x * 3] = r;
            row[x * 3 + 1] = g;
            row[x * 3 + 2] = b;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(out);
}

// The first spot, row by row, where the preview of a type may be placed.
bool placeFirstValid(World& world, BuildingType type, int fromX, int fromY)
{
    world.startPlacement(type);
    for (int y = fromY; y < mapRows; ++y)
        for (int x = (y == fromY ? fromX : 0); x < mapColumns; ++x) {
            world.followMouse(x * tileSize, topBarHeight + y * tileSize);
            if (world.preview.position() == std::make_pair(x, y) && world.buy() == Bought) {
                world.cancelPlacement();
                return true;
            }
        }
    world.cancelPlacement();
    return false;
}

// A free cell for a marker, so that a mine or plastics works can be put on it.
TilePos freeCellFrom(const TileMap& map, int fromX, int fromY, int height)
{
    for (int y = fromY; y + height <= mapRows; ++y)
        for (int x = fromX; x + 2 <= mapColumns; ++x) {
            bool free = true;
            for (int dy = 0; dy < height; ++dy)
                free = free && !map.isBlocked(x, y + dy) && !map.isBlocked(x + 1, y + dy);
            if (free)
                return {x, y};
        }
    throw std::runtime_error("no free cell for a marker");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER OUTPUT.png [SEED]\n", argv[0]);
        return 2;
    }
    const std::string data = argv[1];
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_Init(SDL_INIT_VIDEO);
    SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    int status = 0;
    try {
        std::srand(argc > 3 ? std::atoi(argv[3]) : 2026);
        TileMap map;
        map.load(runtimeRandom(), data + "/tiles.pjw");
        PackageImages packages(data + "/buildings.pjw", data + "/elves.pjw");
        CachedImages images(packages);
        FixedClock clock;
        World world(map, images, clock, runtimeRandom());
        world.money = 1000000;

        const TilePos iron = freeCellFrom(map, 12, 8, 2);
        world.addBuilding(BuildingType::Iron, iron.x, iron.y);
        const TilePos oil = freeCellFrom(map, 2, 9, 2);
        world.addBuilding(BuildingType::Oil, oil.x, oil.y);
        world.startPlacement(BuildingType::Mine);
        world.preview.setPosition(iron.x, iron.y);
        world.buy();
        world.startPlacement(BuildingType::Plastics);
        world.preview.setPosition(oil.x, oil.y);
        world.buy();
        world.cancelPlacement();
        const struct {
            BuildingType type;
            int x, y;
        } others[] = {{BuildingType::Office, 1, 1},   {BuildingType::Office, 9, 6},   {BuildingType::Woodworker, 4, 2},
                      {BuildingType::Woodworker, 15, 2}, {BuildingType::Factory, 7, 3}, {BuildingType::Foundry, 11, 5},
                      {BuildingType::Foundry, 14, 11}};
        for (const auto& o : others)
            placeFirstValid(world, o.type, o.x, o.y);
        // A lone iron and oil find that nothing stands on yet.
        const TilePos loneIron = freeCellFrom(map, 17, 0, 1);
        world.addBuilding(BuildingType::Iron, loneIron.x, loneIron.y);
        const TilePos loneOil = freeCellFrom(map, 0, 12, 1);
        world.addBuilding(BuildingType::Oil, loneOil.x, loneOil.y);

        // Staff: the first woodworker, the factory, the mine and the first foundry work.
        bool firstWoodworker = true, firstFoundry = true;
        for (Building& b : world.buildings) {
            if (b.type == BuildingType::Woodworker && firstWoodworker) {
                b.workers = 1;
                firstWoodworker = false;
            } else if (b.type == BuildingType::Factory || b.type == BuildingType::Mine) {
                b.workers = b.workersNeeded;
            } else if (b.type == BuildingType::Foundry && firstFoundry) {
                b.workers = 4;
                b.carriers = 1;
                firstFoundry = false;
            }
        }
        TilePos office{};
        for (const Building& b : world.buildings)
            if (b.type == BuildingType::Office) {
                office = {b.x, b.y};
                break;
            }
        for (int item : {7, 8, 9}) {
            world.hire(item);
            if (!world.placeNewElf(office.x, office.y))
                throw std::runtime_error("no office to hire into");
        }
        world.elves[0].x = 3;
        world.elves[0].y = 4;
        world.elves[1].x = 6;
        world.elves[1].y = 8;
        world.elves[2].x = 10;
        world.elves[2].y = 10;

        SDL_Surface* screen = SDL_GetVideoSurface();
        fill(screen, 0, 0, 0);
        map.draw(screen);
        try {
            Package gui(data + "/gui.pjw");
            gui.extract("topbar.png");
            SDL_Surface* bar = loadImage(scratchPath("temp.tmp"));
            blit(bar, screen, 0, 0);
            freeSurface(bar);
        } catch (const JWEException&) {
            // No interface package: the top bar stays black.
        }
        // Two animation steps, so the working tiles show a later frame than the first.
        for (int step = 0; step < 2; ++step) {
            clock.current += animationStep;
            world.produceAndDraw(screen);
        }
        world.drawElves(screen);
        // A preview over an invalid spot, with its red cross.
        world.startPlacement(BuildingType::Foundry);
        world.followMouse(office.x * tileSize, topBarHeight + office.y * tileSize);
        clock.current = world.previewBlinkTick + 300;
        world.drawPreview(screen);
        savePng(screen, argv[2]);
        std::printf("%zu buildings, %zu elves, money %d\n", world.buildings.size(), world.elves.size(), world.money);
    } catch (const JWEException& e) {
        std::fprintf(stderr, "%s\n%s\n", e.what(), e.getDetail().c_str());
        status = 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        status = 1;
    }
    SDL_Quit();
    return status;
}
