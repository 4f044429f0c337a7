// Cost of queuing and flushing quads, with the recording GL table standing in for the driver.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/STexture.h"
#include "core/SVertex.h"
#include "gfx/CGFX.h"
#include "gfx/testing/RecordingGL.h"

namespace {

// One frame of N quads: one texture (one long run) or two alternating textures (a run each).
void QueueAndFlush(benchmark::State& state, bool alternate)
{
    RecordingGL gl;
    gl.keepVertices = false;
    gl.keepLog = false;
    CGFX gfx(800, 600, 32, false, gl);
    STexture first;
    first.id = 1;
    STexture second;
    second.id = 2;
    SQuad quad;
    const int quads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        gfx.BeginScene(SColor(0, 0, 0, 1), true);
        for (int i = 0; i < quads; ++i) {
            quad.v[0].x = static_cast<float>(i);
            gfx.RenderTextureQuad(alternate && (i & 1) ? &second : &first, quad, 2);
        }
        gfx.EndScene();
        gl.ClearRecords();
    }
    state.SetItemsProcessed(state.iterations() * quads);
    // Seconds of CPU per quad queued and drawn; printed with an SI prefix (e.g. "5.1n").
    state.counters["time_per_quad"] = benchmark::Counter(static_cast<double>(state.iterations()) * quads,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_OneTextureRun(benchmark::State& state)
{
    QueueAndFlush(state, false);
}

void BM_AlternatingTextures(benchmark::State& state)
{
    QueueAndFlush(state, true);
}

BENCHMARK(BM_OneTextureRun)->Arg(100)->Arg(1000)->Arg(10000);
BENCHMARK(BM_AlternatingTextures)->Arg(100)->Arg(1000)->Arg(10000);

}  // namespace

BENCHMARK_MAIN();
