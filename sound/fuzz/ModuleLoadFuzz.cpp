// Fuzz target: any file handed to the module loader loads or is refused, and a loaded module plays.
#include "FuzzFile.h"
#include "fsound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fmodlite_fuzz::StartPulledOutput();
    const std::string& path = fmodlite_fuzz::WriteInput(data, size);
    FMUSIC_MODULE* module = FMUSIC_LoadSong(path.c_str());
    if (module != nullptr) {
        FMUSIC_SetMasterVolume(module, 82);
        FMUSIC_PlaySong(module);
        fmodlite_fuzz::Mix(4096);
        FMUSIC_StopSong(module);
        FMUSIC_FreeSong(module);
    }
    return 0;
}
