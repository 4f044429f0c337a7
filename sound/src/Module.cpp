// Loading and rendering tracker modules with libxmp.
#include "Module.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace fmodlite {

namespace {

// Far above any module made for a game; a bigger file is refused instead of read whole.
constexpr std::uintmax_t kMaxModuleBytes = 64u << 20;
// Ticks in a row that may pass without sound before the module counts as ended: a whole
// pattern of 256 rows at 31 ticks a row is still well within it.
constexpr int kMaxEmptyFrames = 256 * 32;

}  // namespace

std::unique_ptr<Module> Module::Load(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size > kMaxModuleBytes)
        return nullptr;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return nullptr;
    std::vector<char> bytes(static_cast<size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size()))
        return nullptr;  // the file shrank while it was read

    xmp_context context = xmp_create_context();
    if (!context)
        return nullptr;
    if (xmp_load_module_from_memory(context, bytes.data(), static_cast<long>(bytes.size())) != 0) {
        xmp_free_context(context);
        return nullptr;
    }
    if (xmp_start_player(context, kMixRate, 0) != 0) {
        xmp_release_module(context);
        xmp_free_context(context);
        return nullptr;
    }
    return std::unique_ptr<Module>(new Module(context));
}

Module::Module(xmp_context context) : context(context)
{
}

Module::~Module()
{
    xmp_end_player(context);
    xmp_release_module(context);
    xmp_free_context(context);
}

void Module::Restart()
{
    // A fresh player already stands at the start; restarting it would skip nothing but
    // is cheaper to leave alone.
    if (played)
        xmp_restart_module(context);
    played = true;
    frame = nullptr;
    frameSamples = 0;
    frameUsed = 0;
}

bool Module::NextFrame()
{
    // libxmp plays the module round and round; a frame holds one tick of it. A tempo of 0
    // (a damaged file, or an effect that sets it) gives ticks with no sound in them, and
    // waiting for sound from those would never end.
    for (int empty = 0; empty < kMaxEmptyFrames; ++empty) {
        if (xmp_play_frame(context) != 0)
            return false;
        xmp_frame_info info;
        xmp_get_frame_info(context, &info);
        if (info.buffer_size >= 4 && info.buffer != nullptr) {
            frame = static_cast<const int16_t*>(info.buffer);
            frameSamples = info.buffer_size / 2;
            frameUsed = 0;
            return true;
        }
    }
    return false;
}

void Module::MixInto(int32_t* acc, int frames)
{
    const int32_t gain = masterVolume;
    const int wanted = frames * 2;
    for (int done = 0; done < wanted;) {
        if (frameUsed == frameSamples && !NextFrame()) {
            playing = false;
            return;
        }
        const int n = std::min(wanted - done, frameSamples - frameUsed);
        for (int i = 0; i < n; ++i)
            acc[done + i] += (frame[frameUsed + i] * gain) >> 8;
        done += n;
        frameUsed += n;
    }
}

}  // namespace fmodlite
