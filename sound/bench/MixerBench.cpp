// How fast the mixer runs: ten seconds of 32 busy channels plus one XM module, in CPU time.
#include <benchmark/benchmark.h>

#include <vector>

#include "TestSounds.h"
#include "fsound.h"
#include "fsound_pull.h"

namespace {

constexpr int kSeconds = 10;
constexpr int kPiece = 1024;  // what one device callback asks for

void BM_Mix32ChannelsAndModule(benchmark::State& state)
{
    soundtest::ScratchDir dir;
    FSOUNDX_InitPulled(32);
    std::vector<FSOUND_SAMPLE*> samples;
    std::vector<int> channels;
    for (int i = 0; i < 32; ++i) {
        soundtest::SineWav sine;
        sine.frequency = 220.0 + 20.0 * i;
        sine.frames = 44100 + 997 * i;  // staggered lengths keep the loops out of step
        sine.amplitude = 0.03;
        const std::string path = dir.File("s" + std::to_string(i) + ".wav");
        soundtest::WriteSineWav(path, sine);
        samples.push_back(FSOUND_Sample_Load(FSOUND_UNMANAGED, path.c_str(), FSOUND_LOOP_NORMAL, 0, 0));
        channels.push_back(FSOUND_PlaySound(FSOUND_FREE, samples.back()));
        FSOUND_SetVolume(channels.back(), 200);
    }
    soundtest::WriteTestModule(dir.File("song.xm"));
    FMUSIC_MODULE* song = FMUSIC_LoadSong(dir.File("song.xm").c_str());
    FMUSIC_SetMasterVolume(song, 82);
    FMUSIC_PlaySong(song);

    std::vector<int16_t> out(kPiece * 2);
    bool busy = FMUSIC_IsPlaying(song);
    for (int ch : channels)
        busy = busy && FSOUND_IsPlaying(ch);
    if (!busy)
        state.SkipWithError("not every channel and the module are playing");
    for (auto _ : state) {
        for (int done = 0; done < kSeconds * 44100; done += kPiece)
            FSOUNDX_Render(out.data(), kPiece);
        benchmark::DoNotOptimize(out.data());
    }
    // Seconds of audio per second of CPU: the real-time factor.
    state.counters["realtime_factor"] =
        benchmark::Counter(static_cast<double>(kSeconds), benchmark::Counter::kIsIterationInvariantRate);

    FMUSIC_FreeSong(song);
    for (FSOUND_SAMPLE* s : samples)
        FSOUND_Sample_Free(s);
    FSOUND_Close();
}
BENCHMARK(BM_Mix32ChannelsAndModule)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
