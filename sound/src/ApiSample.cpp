// Samples: FSOUND_Sample_Load and FSOUND_Sample_Free.
#include "AudioFile.h"
#include "Library.h"
#include "fsound.h"

using namespace fmodlite;

namespace {

// The slot a load goes to, or -2 for unmanaged, or -3 when there is none.
int SlotFor(const Library& lib, int index)
{
    if (index == FSOUND_UNMANAGED)
        return -2;
    if (index == FSOUND_FREE) {
        for (int i = 0; i < Library::kSlots; ++i)
            if (!lib.slots[i])
                return i;
        return -3;
    }
    return index >= 0 && index < Library::kSlots ? index : -3;
}

}  // namespace

FSOUND_SAMPLE* FSOUND_Sample_Load(int index, const char* name, unsigned int mode, int offset, int length)
{
    Library& lib = Lib();
    // Loading from part of a file is not supported; refusing beats playing the wrong sound.
    if (!name || offset != 0 || length != 0)
        return nullptr;
    const int slot = SlotFor(lib, index);
    if (slot == -3)
        return nullptr;
    std::unique_ptr<AudioFile> file = AudioFile::Open(name);
    if (!file)
        return nullptr;

    auto sample = std::make_unique<Sample>();
    if (!file->ReadAll(sample->pcm))
        return nullptr;  // longer than a sample may be
    sample->loop = (mode & FSOUND_LOOP_NORMAL) && !(mode & FSOUND_LOOP_OFF);
    if (slot >= 0) {
        if (lib.slots[slot])
            lib.FreeSample(lib.slots[slot]);
        sample->slot = slot;
        lib.slots[slot] = sample.get();
    }
    lib.samples.insert(sample.get());
    return reinterpret_cast<FSOUND_SAMPLE*>(sample.release());
}

void FSOUND_Sample_Free(FSOUND_SAMPLE* sptr)
{
    Library& lib = Lib();
    auto* sample = reinterpret_cast<Sample*>(sptr);
    if (lib.samples.count(sample))
        lib.FreeSample(sample);
}
