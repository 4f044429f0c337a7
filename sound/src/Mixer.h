// The software mixer: 32 channels of samples and streams plus any playing modules.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Format.h"
#include "Module.h"
#include "Sample.h"
#include "StreamRing.h"

namespace fmodlite {

// Every member is called under the audio lock. Mixing depends on nothing but the
// mixer's own state, so tests can mix straight into a buffer and measure it.
class Mixer {
public:
    Mixer();

    void SetChannelCount(int count);  // 1..32; stops everything playing

    // With a device, a playback is started by one call and given its volume by the next;
    // a callback falling in between would play the start at full volume. Held, a new
    // playback waits until its volume is set or one mixing pass has gone by.
    void HoldNewPlaybacks(bool hold) { holdNew = hold; }

    // A channel handle names one playback: channel index plus 32 times the channel's
    // generation, which grows with every playback started on it. 0 names none.
    // `channel` is FSOUND_FREE (-1) for a free channel (the oldest playback gives way
    // when all are busy) or a channel index. Answers 0 when nothing could start.
    int Play(int channel, const Sample* sample);
    int Play(int channel, StreamRing* ring);

    bool IsPlaying(int handle) const;
    void Stop(int handle);
    bool SetVolume(int handle, int volume);  // clamped to 0..255

    // Ends every playback of a source that is about to be freed.
    void StopAllOf(const Sample* sample);
    void StopAllOf(const StreamRing* ring);
    void StopAll();

    void AddModule(Module* module);
    void RemoveModule(Module* module);

    void Mix(int16_t* out, int frames);

private:
    struct Channel {
        const Sample* sample = nullptr;
        StreamRing* ring = nullptr;
        size_t position = 0;
        int32_t gain = 0x10000;  // volume / 255 in 16.16 fixed point
        uint32_t generation = 0;
        uint64_t startOrder = 0;
        bool active = false;
        bool held = false;
    };

    int Pick(int channel);
    int Start(int index, const Sample* sample, StreamRing* ring);
    Channel* Find(int handle);
    const Channel* Find(int handle) const;
    void MixSample(Channel& ch, int frames);
    void MixStream(Channel& ch, int frames);

    std::array<Channel, kMaxChannels> channels;
    int channelCount = kMaxChannels;
    bool holdNew = false;
    uint64_t nextStartOrder = 1;
    std::vector<Module*> modules;
    std::vector<int32_t> acc;
};

}  // namespace fmodlite
