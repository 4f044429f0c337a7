// Fuzz target: any file handed to the stream opener opens or is refused, and an open one plays
// and decodes ahead without harm.
#include "FuzzFile.h"
#include "fsound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fmodlite_fuzz::StartPulledOutput();
    const std::string& path = fmodlite_fuzz::WriteInput(data, size);
    FSOUND_STREAM* stream = FSOUND_Stream_Open(path.c_str(), 0, 0, 0);
    if (stream != nullptr) {
        FSOUND_Stream_Play(FSOUND_FREE, stream);
        for (int block = 0; block < 4; ++block) {
            fmodlite_fuzz::Mix(1024);
        }
        // Played again it starts over from the top of the file.
        FSOUND_Stream_Play(FSOUND_FREE, stream);
        fmodlite_fuzz::Mix(1024);
        FSOUND_Stream_Stop(stream);
        FSOUND_Stream_Close(stream);
    }
    return 0;
}
