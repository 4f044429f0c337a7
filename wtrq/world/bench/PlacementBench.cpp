// What a purchase and the start of a placement cost: with every building's pictures read from the
// package each time, and with the per-game cache. Run by hand, e.g.
//   build/h-world/wtrq/world/wtrq_world_placement_bench --benchmark_min_time=0.5
// It uses the game's buildings package when it is there, else a package of plain tiles.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "support/ManualClock.h"
#include "support/PackageFixture.h"
#include "support/ScriptedRandom.h"
#include "world/PackageImages.h"
#include "world/World.h"

namespace {

using namespace wtrq;

std::string buildingsPackagePath()
{
    const std::filesystem::path shipped = std::filesystem::path(WTRQ_GAME_DATA) / "buildings.pjw";
    if (std::filesystem::exists(shipped))
        return shipped.string();
    static const std::string made = [] {
        std::vector<pjw::PackageMember> members;
        for (int type = 1; type <= 8; ++type) {
            const BuildingTypeInfo& info = buildingTypeInfo(static_cast<BuildingType>(type));
            for (const auto* list : {&info.restingImages, &info.workingFrames})
                for (const std::string& name : *list)
                    members.push_back({name, test::pngBytes(32, 32, [](int x, int y) {
                                           return (x * 8) << 16 | (y * 8) << 8 | 0xFF;
                                       })});
        }
        const std::string path = (std::filesystem::temp_directory_path() / "wtrq-bench-buildings.pjw").string();
        pjw::writePackage(path, members, 42);
        return path;
    }();
    return made;
}

// A world with Oil and Iron under (4, 4) so that every type may be bought there.
struct Bench {
    explicit Bench(bool cached)
        : packages(buildingsPackagePath(), "elves.pjw"), cache(packages), world(map, pick(cached), clock, random)
    {
        world.addBuilding(BuildingType::Oil, 4, 4);
        world.addBuilding(BuildingType::Iron, 4, 4);
        world.money = 1 << 30;
    }
    GameImages& pick(bool cached) { return cached ? static_cast<GameImages&>(cache) : packages; }

    PackageImages packages;
    CachedImages cache;
    test::ManualClock clock{1000};
    test::ScriptedRandom random;
    TileMap map;
    World world;
};

const char* typeName(BuildingType type) { return buildingTypeInfo(type).infoLines.front().c_str(); }

void purchase(benchmark::State& state, bool cached)
{
    const auto type = static_cast<BuildingType>(state.range(0));
    Bench bench(cached);
    bench.world.startPlacement(type);
    bench.world.preview.setPosition(4, 4);
    for (auto _ : state) {
        if (bench.world.buy() != Bought) {
            state.SkipWithError("not bought");
            break;
        }
        state.PauseTiming();
        bench.world.buildings.pop_back();  // keeps the spot free and the list as it was
        bench.world.money = 1 << 30;
        state.ResumeTiming();
    }
    state.SetLabel(typeName(type));
}

void placementStart(benchmark::State& state, bool cached)
{
    const auto type = static_cast<BuildingType>(state.range(0));
    Bench bench(cached);
    for (auto _ : state)
        bench.world.startPlacement(type);
    state.SetLabel(typeName(type));
}

void BM_PurchaseFromPackage(benchmark::State& state) { purchase(state, false); }
void BM_PurchaseCached(benchmark::State& state) { purchase(state, true); }
void BM_PlacementStartFromPackage(benchmark::State& state) { placementStart(state, false); }
void BM_PlacementStartCached(benchmark::State& state) { placementStart(state, true); }

// The office has one picture, the plastics works six: the cheapest and the dearest.
BENCHMARK(BM_PurchaseFromPackage)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PurchaseCached)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlacementStartFromPackage)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlacementStartCached)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_Init(SDL_INIT_VIDEO);
    SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SDL_Quit();
    return 0;
}
