// Fuzz target: any file handed to the sample loader loads or is refused, and a loaded one plays.
#include "FuzzFile.h"
#include "fsound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fmodlite_fuzz::StartPulledOutput();
    const std::string& path = fmodlite_fuzz::WriteInput(data, size);
    FSOUND_SAMPLE* sample = FSOUND_Sample_Load(FSOUND_UNMANAGED, path.c_str(), 0, 0, 0);
    if (sample != nullptr) {
        const int channel = FSOUND_PlaySound(FSOUND_FREE, sample);
        FSOUND_SetVolume(channel, 200);
        fmodlite_fuzz::Mix(2048);
        FSOUND_StopSound(channel);
        FSOUND_Sample_Free(sample);
    }
    return 0;
}
