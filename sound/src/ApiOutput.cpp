// Starting and ending output: FSOUND_Init, FSOUND_Close and the pulled mode.
#include <algorithm>

#include <SDL.h>

#include "Library.h"
#include "fsound.h"
#include "fsound_pull.h"

using namespace fmodlite;

namespace {

void Callback(void*, Uint8* stream, int len)
{
    // SDL holds its audio lock around this call.
    Lib().mixer.Mix(reinterpret_cast<int16_t*>(stream), len / 4);
}

void SetChannels(Library& lib, int count, bool device)
{
    std::lock_guard<AudioLock> guard(lib.audio);
    lib.mixer.SetChannelCount(count);
    lib.mixer.HoldNewPlaybacks(device);
}

// Streams are topped up between pieces so a long pull never outruns their rings.
constexpr int kPullPiece = 8192;

}  // namespace

signed char FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int)
{
    Library& lib = Lib();
    // A program that quit SDL closed our device under us; a new start opens it again.
    if (lib.mode == OutputMode::Device && SDL_GetAudioStatus() == SDL_AUDIO_STOPPED)
        lib.StopOutput();
    if (lib.Running())
        return 1;
    // The mixer always runs at 44100 Hz; SDL converts if the device wants another rate.
    if (mixrate <= 0 || maxsoftwarechannels < 1)
        return 0;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
        return 0;
    SetChannels(lib, maxsoftwarechannels, true);

    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = Callback;
    if (SDL_OpenAudio(&want, nullptr) < 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    // The device is still paused, so the callback cannot yet run while we switch locks.
    lib.audio.UseDevice(true);
    lib.mode = OutputMode::Device;
    lib.feeder.Start([&lib] { lib.TopUpStreams(); });
    SDL_PauseAudio(0);
    return 1;
}

void FSOUND_Close(void)
{
    Lib().Shutdown();
}

signed char FSOUNDX_InitPulled(int maxsoftwarechannels)
{
    Library& lib = Lib();
    if (lib.Running())
        return lib.mode == OutputMode::Pulled ? 1 : 0;
    if (maxsoftwarechannels < 1)
        return 0;
    // Pulled, nothing mixes between the caller's calls, so nothing needs holding.
    SetChannels(lib, maxsoftwarechannels, false);
    lib.mode = OutputMode::Pulled;
    return 1;
}

signed char FSOUNDX_Render(int16_t* out, int frames)
{
    Library& lib = Lib();
    if (lib.mode != OutputMode::Pulled || !out || frames < 0)
        return 0;
    while (frames > 0) {
        const int n = std::min(frames, kPullPiece);
        lib.TopUpStreams();
        {
            std::lock_guard<AudioLock> guard(lib.audio);
            lib.mixer.Mix(out, n);
        }
        out += n * 2;
        frames -= n;
    }
    return 1;
}
