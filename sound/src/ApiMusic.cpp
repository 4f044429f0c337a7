// Tracker modules: the FMUSIC_ calls.
#include <algorithm>

#include "Library.h"
#include "fsound.h"

using namespace fmodlite;

namespace {

Module* Known(FMUSIC_MODULE* mod)
{
    auto* module = reinterpret_cast<Module*>(mod);
    return Lib().modules.count(module) ? module : nullptr;
}

}  // namespace

FMUSIC_MODULE* FMUSIC_LoadSong(const char* name)
{
    if (!name)
        return nullptr;
    std::unique_ptr<Module> module = Module::Load(name);
    if (!module)
        return nullptr;
    Library& lib = Lib();
    {
        std::lock_guard<AudioLock> guard(lib.audio);
        lib.mixer.AddModule(module.get());
    }
    lib.modules.insert(module.get());
    return reinterpret_cast<FMUSIC_MODULE*>(module.release());
}

signed char FMUSIC_FreeSong(FMUSIC_MODULE* mod)
{
    Module* module = Known(mod);
    if (!module)
        return 0;
    Library& lib = Lib();
    {
        std::lock_guard<AudioLock> guard(lib.audio);
        lib.mixer.RemoveModule(module);
    }
    lib.modules.erase(module);
    delete module;
    return 1;
}

signed char FMUSIC_PlaySong(FMUSIC_MODULE* mod)
{
    Module* module = Known(mod);
    Library& lib = Lib();
    if (!module || !lib.Running())
        return 0;
    std::lock_guard<AudioLock> guard(lib.audio);
    module->Restart();
    module->playing = true;
    return 1;
}

signed char FMUSIC_StopSong(FMUSIC_MODULE* mod)
{
    Module* module = Known(mod);
    if (!module)
        return 0;
    Library& lib = Lib();
    std::lock_guard<AudioLock> guard(lib.audio);
    module->playing = false;
    return 1;
}

signed char FMUSIC_IsPlaying(FMUSIC_MODULE* mod)
{
    Module* module = Known(mod);
    Library& lib = Lib();
    if (!module || !lib.Running())
        return 0;
    std::lock_guard<AudioLock> guard(lib.audio);
    return module->playing ? 1 : 0;
}

signed char FMUSIC_SetMasterVolume(FMUSIC_MODULE* mod, int volume)
{
    Module* module = Known(mod);
    if (!module)
        return 0;
    Library& lib = Lib();
    std::lock_guard<AudioLock> guard(lib.audio);
    module->masterVolume = std::clamp(volume, 0, 256);
    return 1;
}
