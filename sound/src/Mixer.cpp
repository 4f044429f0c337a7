// Channel bookkeeping and mixing.
#include "Mixer.h"

#include <algorithm>

namespace fmodlite {

namespace {

// Generations stay below this so a handle always fits a positive int.
constexpr uint32_t kGenerationLimit = 1u << 25;

int32_t GainOf(int volume)
{
    volume = std::clamp(volume, 0, 255);
    return static_cast<int32_t>((static_cast<int64_t>(volume) << 16) / 255);
}

}  // namespace

Mixer::Mixer() : acc(kBlockFrames * 2)
{
}

void Mixer::SetChannelCount(int count)
{
    StopAll();
    channelCount = std::clamp(count, 1, kMaxChannels);
}

int Mixer::Pick(int channel)
{
    if (channel >= 0)
        return channel < channelCount ? channel : -1;
    if (channel != -1)
        return -1;
    int oldest = 0;
    for (int i = 0; i < channelCount; ++i) {
        if (!channels[i].active)
            return i;
        if (channels[i].startOrder < channels[oldest].startOrder)
            oldest = i;
    }
    return oldest;
}

int Mixer::Start(int index, const Sample* sample, StreamRing* ring)
{
    if (index < 0)
        return 0;
    Channel& ch = channels[index];
    ch.generation = ch.generation + 1 < kGenerationLimit ? ch.generation + 1 : 1;
    ch.sample = sample;
    ch.ring = ring;
    ch.position = 0;
    ch.gain = GainOf(255);
    ch.startOrder = nextStartOrder++;
    ch.active = true;
    ch.held = holdNew;
    return static_cast<int>(ch.generation * kMaxChannels) + index;
}

int Mixer::Play(int channel, const Sample* sample)
{
    return sample ? Start(Pick(channel), sample, nullptr) : 0;
}

int Mixer::Play(int channel, StreamRing* ring)
{
    return ring ? Start(Pick(channel), nullptr, ring) : 0;
}

const Mixer::Channel* Mixer::Find(int handle) const
{
    if (handle < kMaxChannels)
        return nullptr;
    int index = handle % kMaxChannels;
    const Channel& ch = channels[index];
    if (index >= channelCount || !ch.active || static_cast<uint32_t>(handle / kMaxChannels) != ch.generation)
        return nullptr;
    return &ch;
}

Mixer::Channel* Mixer::Find(int handle)
{
    return const_cast<Channel*>(static_cast<const Mixer*>(this)->Find(handle));
}

bool Mixer::IsPlaying(int handle) const
{
    return Find(handle) != nullptr;
}

void Mixer::Stop(int handle)
{
    if (Channel* ch = Find(handle))
        ch->active = false;
}

bool Mixer::SetVolume(int handle, int volume)
{
    Channel* ch = Find(handle);
    if (!ch)
        return false;
    ch->gain = GainOf(volume);
    ch->held = false;
    return true;
}

void Mixer::StopAllOf(const Sample* sample)
{
    for (Channel& ch : channels)
        if (ch.active && ch.sample == sample)
            ch.active = false;
}

void Mixer::StopAllOf(const StreamRing* ring)
{
    for (Channel& ch : channels)
        if (ch.active && ch.ring == ring)
            ch.active = false;
}

void Mixer::StopAll()
{
    for (Channel& ch : channels)
        ch.active = false;
    for (Module* m : modules)
        m->playing = false;
}

void Mixer::AddModule(Module* module)
{
    modules.push_back(module);
}

void Mixer::RemoveModule(Module* module)
{
    modules.erase(std::remove(modules.begin(), modules.end(), module), modules.end());
}

void Mixer::MixSample(Channel& ch, int frames)
{
    const Sample& s = *ch.sample;
    const size_t total = s.Frames();
    int32_t* dst = acc.data();
    while (frames > 0) {
        if (ch.position >= total) {
            if (!s.loop || total == 0) {
                ch.active = false;
                return;
            }
            ch.position = 0;
        }
        const size_t n = std::min(static_cast<size_t>(frames), total - ch.position);
        const int16_t* src = s.pcm.data() + ch.position * 2;
        for (size_t i = 0; i < n * 2; ++i)
            dst[i] += (src[i] * ch.gain) >> 16;
        dst += n * 2;
        ch.position += n;
        frames -= static_cast<int>(n);
    }
    if (ch.position >= total && !s.loop)
        ch.active = false;
}

void Mixer::MixStream(Channel& ch, int frames)
{
    StreamRing& r = *ch.ring;
    int32_t* dst = acc.data();
    size_t want = static_cast<size_t>(frames);
    while (want > 0 && r.Available() > 0) {
        const size_t at = static_cast<size_t>(r.read % r.capacity);
        const size_t n = std::min({want, r.Available(), r.capacity - at});
        const int16_t* src = r.pcm.data() + at * 2;
        for (size_t i = 0; i < n * 2; ++i)
            dst[i] += (src[i] * ch.gain) >> 16;
        dst += n * 2;
        r.read += n;
        want -= n;
    }
    // Running dry before the end only means the decoder is late: the channel waits.
    if (r.ended && r.Available() == 0)
        ch.active = false;
}

void Mixer::Mix(int16_t* out, int frames)
{
    while (frames > 0) {
        const int n = std::min(frames, kBlockFrames);
        std::fill(acc.begin(), acc.begin() + n * 2, 0);
        for (int i = 0; i < channelCount; ++i) {
            Channel& ch = channels[i];
            if (!ch.active)
                continue;
            if (ch.held) {
                ch.held = false;
                continue;
            }
            if (ch.sample)
                MixSample(ch, n);
            else
                MixStream(ch, n);
        }
        for (Module* m : modules)
            if (m->playing)
                m->MixInto(acc.data(), n);
        for (int i = 0; i < n * 2; ++i)
            out[i] = Saturate(acc[i]);
        out += n * 2;
        frames -= n;
    }
}

}  // namespace fmodlite
