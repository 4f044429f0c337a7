// Loading and rendering tracker modules with libxmp.
#include "Module.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace fmodlite {

namespace {

// Far above any module made for a game; a bigger file is refused instead of read whole.
constexpr std::uintmax_t kMaxModuleBytes = 64u << 20;

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

Module::Module(xmp_context context) : context(context), scratch(kBlockFrames * 2)
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
}

void Module::MixInto(int32_t* acc, int frames)
{
    // loop = 0: libxmp plays the module round and round until we stop asking.
    if (xmp_play_buffer(context, scratch.data(), frames * 4, 0) != 0) {
        playing = false;
        return;
    }
    const int32_t gain = masterVolume;
    for (int i = 0; i < frames * 2; ++i)
        acc[i] += (scratch[i] * gain) >> 8;
}

}  // namespace fmodlite
