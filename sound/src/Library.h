// The library's one state: output mode, mixer, and the registers of live handles.
#pragma once

#include <array>
#include <memory>
#include <mutex>
#include <unordered_set>

#include "AudioLock.h"
#include "Mixer.h"
#include "Module.h"
#include "Sample.h"
#include "Stream.h"
#include "StreamFeeder.h"

namespace fmodlite {

enum class OutputMode { Off, Device, Pulled };

struct Library {
    static constexpr int kSlots = 1024;

    // Caller's thread only.
    OutputMode mode = OutputMode::Off;
    std::unordered_set<Sample*> samples;  // every live sample; handles are checked against it
    std::array<Sample*, kSlots> slots{};  // the managed samples by slot
    std::unordered_set<Module*> modules;

    AudioLock audio;
    Mixer mixer;  // guarded by `audio`

    // Guards `streams` and every stream's decoding side; taken before `audio`.
    std::mutex streamMutex;
    std::unordered_set<Stream*> streams;
    StreamFeeder feeder;

    bool Running() const { return mode != OutputMode::Off; }
    void TopUpStreams();  // takes streamMutex

    void FreeSample(Sample* sample);
    // Ends output and every playback; loaded samples, streams and modules stay.
    void StopOutput();
    // StopOutput, and the managed samples go with the library's slots.
    void Shutdown();
};

// Deliberately never destroyed: SDL's audio thread may still run our callback while
// the program exits without closing the library.
Library& Lib();

}  // namespace fmodlite
