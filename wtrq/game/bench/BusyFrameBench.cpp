// What one frame of a busy game costs: 30 buildings, 40 elves, both panels and a status line,
// drawn on the real pictures; and how much of it is text rendering alone.
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/ElvesPanel.h"
#include "game/GameScreen.h"
#include "game/InfoPanel.h"
#include "game/PanelLook.h"
#include "jwe/Font.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Screen.h"

namespace {

using namespace wtrq;

class BenchClock final : public wtrq::TickSource {
public:
    Ticks now() const override { return current; }
    Ticks current = 1000;
};

class StillMouse final : public InputSource {
public:
    int poll(SDL_Event*) override { return 0; }
    MousePosition mouse() const override { return {470, 330}; }
};

class FixedRandom final : public RandomSource {
public:
    int next() override { return state = (state * 1103515245 + 12345) & 0x7fff; }
    int state = 1;
};

struct BusyGame {
    BusyGame()
    {
        std::filesystem::current_path(WTRQ_BENCH_DATA);
        screen.init(SDL_INIT_VIDEO, 640, 480, 32, SDL_SWSURFACE);
        TTF_Init();
        font.open(WTRQ_BENCH_FONT, 16);
        GameSeams seams;
        seams.clock = &clock;
        seams.input = &mouse;
        seams.random = &random;
        game = std::make_unique<GameScreen>(pacer, GameOptions{}, seams);
        game->loadResources();
        World& world = game->world;
        world.money = 999999;
        // Ten offices of four elves each, ten woodworkers and ten factories, all staffed.
        for (int i = 0; i < 10; ++i) {
            world.addBuilding(BuildingType::Office, 2 * i, 1);
            world.addBuilding(BuildingType::Woodworker, 2 * i, 4);
            world.addBuilding(BuildingType::Factory, 2 * i, 7);
            world.buildings[world.buildings.size() - 2].workers = 1;
            world.buildings.back().workers = 2;
        }
        for (int elf = 0; elf < 40; ++elf) {
            world.pendingHire = static_cast<int>(elf % 4 == 0 ? ElfType::Carrier : ElfType::Worker);
            world.placeNewElf(2 * (elf / 4), 1);
        }
        openInfoPanel(world, 32 * 2 + 5, 32 * 5 + 5);
        openElvesPanel(world, 420, 320);
        game->setStatus("Worker is on his way to his new job!", -1);
    }
    ~BusyGame()
    {
        game.reset();
        font.close();
        TTF_Quit();
        SDL_Quit();
        scratchFolder().removeAll();
    }
    BenchClock clock;
    StillMouse mouse;
    FixedRandom random;
    struct : FramePacer {
        void passDone() override {}
    } pacer;
    std::unique_ptr<GameScreen> game;
};

void BM_BusyFrame(benchmark::State& state)
{
    BusyGame busy;
    for (auto _ : state) {
        busy.clock.current += 16;
        busy.game->drawFrame(screen.surface());
    }
    state.counters["buildings"] = static_cast<double>(busy.game->world.buildings.size());
    state.counters["elves"] = static_cast<double>(busy.game->world.elves.size());
}
BENCHMARK(BM_BusyFrame)->Unit(benchmark::kMicrosecond);

// The same frame's texts only: stocks, the time's five copies, the status line's five, and
// the lines of both panels.
void BM_TextOfABusyFrame(benchmark::State& state)
{
    BusyGame busy;
    World& world = busy.game->world;
    const std::vector<std::string> infoLines = infoPanelLines(world, world.infoBuilding);
    const std::vector<std::string> elvesLines = {"--- FREE ELVES ---", "Select free worker (0)",
                                                 "Select free carrier (0)"};
    SDL_Surface* target = screen.surface();
    for (auto _ : state) {
        busy.game->drawStocks(target);
        busy.game->drawTimeLeft(target);
        busy.game->drawStatus(target);
        drawPanelLines(target, world.infoX, world.infoY, infoLines);
        drawPanelLines(target, world.elvesPanelX, world.elvesPanelY, elvesLines);
    }
}
BENCHMARK(BM_TextOfABusyFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
