// Cost of one frame of play (in-game update plus drawing into the renderer's batch), with the
// recording GL table standing in for the driver. Reports CPU time per frame and draw calls per frame.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "LevelFile.h"
#include "app/CGame.h"
#include "app/GameState.h"
#include "core/testing/ManualClock.h"
#include "engine/CEngine.h"
#include "engine/testing/ScriptedInput.h"
#include "gfx/testing/RecordingGL.h"

namespace fs = std::filesystem;

namespace {

// The shipped level with the most obstacles.
std::string LargestLevel()
{
    std::string best;
    std::size_t mostQuads = 0;
    for (int number = 1; number <= 10; ++number) {
        const std::string path = std::string(TALVIJAHTI_GAME_DATA) + "/levels/level" + std::to_string(number) + ".lev";
        const SLevelLoadResult level = ReadLevelFile(path);
        if (level.ok && level.level.quads.size() >= mostQuads) {
            mostQuads = level.level.quads.size();
            best = path;
        }
    }
    return best;
}

// A 4000 x 3000 field with `quads` small boxes in a grid, 15 presents and 10 snowballs.
SLevelData SyntheticLevel(int quads)
{
    SLevelData level;
    level.width = 4000;
    level.height = 3000;
    level.start = {150, 150};
    level.end = {3850, 2850};
    for (int i = 0; i < quads; ++i) {
        const float x = 300.0f + static_cast<float>(i % 40) * 90.0f;
        const float y = 300.0f + static_cast<float>(i / 40) * 90.0f;
        SLevelQuad box;
        box.corners = {SLevelPoint{x, y}, SLevelPoint{x, y + 30}, SLevelPoint{x + 30, y + 30}, SLevelPoint{x + 30, y}};
        level.quads.push_back(box);
    }
    for (int i = 0; i < 15; ++i) {
        level.presents.push_back(SLevelPoint{500.0f + 200.0f * static_cast<float>(i), 2900});
    }
    for (int i = 0; i < 10; ++i) {
        level.waypoints.push_back(SLevelPoint{2000, 200.0f + 250.0f * static_cast<float>(i)});
    }
    level.enemyCount = 10;
    return level;
}

// A working folder that sees the game's pictures and sounds and holds one level as level 1.
class CPlayWorld {
public:
    explicit CPlayWorld(const SLevelData& level)
    {
        previous = fs::current_path();
        folder = fs::temp_directory_path() / ("talvijahti_bench_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "levels");
        for (const char* sub : {"data", "sfx"}) {
            fs::create_directory_symlink(fs::path(TALVIJAHTI_GAME_DATA) / sub, folder / sub);
        }
        std::string error;
        if (!WriteLevelFile((folder / "levels" / "level1.lev").string(), level, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            std::abort();
        }
        fs::current_path(folder);
        gl.keepVertices = false;
        gl.keepLog = false;
        CEngine* engine = CreateOrbo2d(800, 600, 32, false, SEngineSeams{&gl, &clock, &input});
        game = std::make_unique<CGame>(engine, clock);
        // The elf skates in a small circle near the start: the player's rules run in full.
        input.SetKey('u', true);
        input.SetKey('k', true);
        std::srand(1);
        game->SetState(STATE_GAME);
    }
    ~CPlayWorld()
    {
        game.reset();
        fs::current_path(previous);
        fs::remove_all(folder);
    }

    // One frame as the game loop runs it; returns the draw calls it made.
    int Frame()
    {
        gl.ClearRecords();
        game->GetEngine()->Running();
        game->RunFrame();
        return gl.DrawCount();
    }
    bool Playing() const { return game->GetState() == STATE_GAME; }
    void Restart() { game->SetState(STATE_GAME); }

private:
    RecordingGL gl;
    CManualClock clock;
    CScriptedInput input;
    std::unique_ptr<CGame> game;
    fs::path previous;
    fs::path folder;
};

void RunFrames(benchmark::State& state, const SLevelData& level)
{
    CPlayWorld world(level);
    long draws = 0;
    for (auto _ : state) {
        draws += world.Frame();
        if (!world.Playing()) {
            state.PauseTiming();  // a snowball ended the game: start again
            world.Restart();
            state.ResumeTiming();
        }
    }
    state.counters["draw_calls_per_frame"] =
        benchmark::Counter(static_cast<double>(draws) / static_cast<double>(state.iterations()));
    state.counters["obstacles"] = static_cast<double>(level.quads.size());
}

void BM_PlayFrameLargestLevel(benchmark::State& state)
{
    const std::string path = LargestLevel();
    const SLevelLoadResult level = ReadLevelFile(path);
    if (!level.ok) {
        state.SkipWithError(("no level to play: " + level.error).c_str());
        return;
    }
    state.SetLabel(fs::path(path).filename().string());
    RunFrames(state, level.level);
}

// Obstacles share one texture and blend mode: more of them must not mean more draw calls.
void BM_PlayFrameObstacles(benchmark::State& state)
{
    RunFrames(state, SyntheticLevel(static_cast<int>(state.range(0))));
}

BENCHMARK(BM_PlayFrameLargestLevel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayFrameObstacles)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
