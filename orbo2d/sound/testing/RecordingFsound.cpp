// The recording stand-in for the sound library's calls.
#include "RecordingFsound.h"

#include <cstdint>
#include <cstdio>
#include <map>

#include "fsound.h"

namespace recording_fsound {

namespace {

int nextChannel = 1;
int nextHandle = 1;


std::string Handle(const void* handle, char kind)
{
    if (handle == nullptr) {
        return "null";
    }
    return kind + std::to_string(reinterpret_cast<std::uintptr_t>(handle));
}

template <typename T>
T* NewHandle()
{
    return reinterpret_cast<T*>(static_cast<std::uintptr_t>(nextHandle++));
}

void Record(const std::string& call) { Calls().push_back(call); }

}  // namespace

std::map<std::uintptr_t, int>& StreamChannels();

std::vector<std::string>& Calls()
{
    static std::vector<std::string> calls;
    return calls;
}

void Clear() { Calls().clear(); }

std::map<std::uintptr_t, int>& StreamChannels()
{
    static std::map<std::uintptr_t, int> channels;  // a stream plays on the channel of its latest play
    return channels;
}

std::set<int>& PlayingChannels()
{
    static std::set<int> channels;
    return channels;
}

std::set<int>& PlayingModules()
{
    static std::set<int> modules;
    return modules;
}

void Reset()
{
    Clear();
    PlayingChannels().clear();
    PlayingModules().clear();
    nextChannel = 1;
    nextHandle = 1;
    StreamChannels().clear();
}

}  // namespace recording_fsound

using namespace recording_fsound;

namespace {

std::string Args(int a, int b) { return "(" + std::to_string(a) + ", " + std::to_string(b) + ")"; }

}  // namespace

signed char FSOUND_Init(int mixrate, int channels, unsigned int flags)
{
    Record("FSOUND_Init(" + std::to_string(mixrate) + ", " + std::to_string(channels) + ", " +
           std::to_string(flags) + ")");
    return 1;
}

void FSOUND_Close(void) { Record("FSOUND_Close()"); }

FSOUND_SAMPLE* FSOUND_Sample_Load(int index, const char* name, unsigned int mode, int offset, int length)
{
    FSOUND_SAMPLE* sample = NewHandle<FSOUND_SAMPLE>();
    Record("FSOUND_Sample_Load(" + std::to_string(index) + ", " + name + ", " + std::to_string(mode) + ", " +
           std::to_string(offset) + ", " + std::to_string(length) + ") = " + Handle(sample, 's'));
    return sample;
}

void FSOUND_Sample_Free(FSOUND_SAMPLE* sptr) { Record("FSOUND_Sample_Free(" + Handle(sptr, 's') + ")"); }

int FSOUND_PlaySound(int channel, FSOUND_SAMPLE* sptr)
{
    const int opened = nextChannel++;
    PlayingChannels().insert(opened);
    Record("FSOUND_PlaySound(" + std::to_string(channel) + ", " + Handle(sptr, 's') + ") = " + std::to_string(opened));
    return opened;
}

signed char FSOUND_SetVolume(int channel, int vol)
{
    Record("FSOUND_SetVolume" + Args(channel, vol));
    return 1;
}

signed char FSOUND_IsPlaying(int channel)
{
    Record("FSOUND_IsPlaying(" + std::to_string(channel) + ")");
    return PlayingChannels().count(channel) ? 1 : 0;
}

signed char FSOUND_StopSound(int channel)
{
    PlayingChannels().erase(channel);
    Record("FSOUND_StopSound(" + std::to_string(channel) + ")");
    return 1;
}

FSOUND_STREAM* FSOUND_Stream_Open(const char* name, unsigned int mode, int offset, int length)
{
    FSOUND_STREAM* stream = NewHandle<FSOUND_STREAM>();
    Record(std::string("FSOUND_Stream_Open(") + name + ", " + std::to_string(mode) + ", " + std::to_string(offset) +
           ", " + std::to_string(length) + ") = " + Handle(stream, 't'));
    return stream;
}

int FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream)
{
    const int opened = nextChannel++;
    PlayingChannels().insert(opened);
    StreamChannels()[reinterpret_cast<std::uintptr_t>(stream)] = opened;
    Record("FSOUND_Stream_Play(" + std::to_string(channel) + ", " + Handle(stream, 't') + ") = " +
           std::to_string(opened));
    return opened;
}

signed char FSOUND_Stream_Stop(FSOUND_STREAM* stream)
{
    PlayingChannels().erase(StreamChannels()[reinterpret_cast<std::uintptr_t>(stream)]);
    Record("FSOUND_Stream_Stop(" + Handle(stream, 't') + ")");
    return 1;
}

signed char FSOUND_Stream_Close(FSOUND_STREAM* stream)
{
    Record("FSOUND_Stream_Close(" + Handle(stream, 't') + ")");
    return 1;
}

FMUSIC_MODULE* FMUSIC_LoadSong(const char* name)
{
    FMUSIC_MODULE* module = NewHandle<FMUSIC_MODULE>();
    Record(std::string("FMUSIC_LoadSong(") + name + ") = " + Handle(module, 'm'));
    return module;
}

signed char FMUSIC_FreeSong(FMUSIC_MODULE* mod)
{
    Record("FMUSIC_FreeSong(" + Handle(mod, 'm') + ")");
    return 1;
}

signed char FMUSIC_PlaySong(FMUSIC_MODULE* mod)
{
    PlayingModules().insert(static_cast<int>(reinterpret_cast<std::uintptr_t>(mod)));
    Record("FMUSIC_PlaySong(" + Handle(mod, 'm') + ")");
    return 1;
}

signed char FMUSIC_StopSong(FMUSIC_MODULE* mod)
{
    PlayingModules().erase(static_cast<int>(reinterpret_cast<std::uintptr_t>(mod)));
    Record("FMUSIC_StopSong(" + Handle(mod, 'm') + ")");
    return 1;
}

signed char FMUSIC_IsPlaying(FMUSIC_MODULE* mod)
{
    Record("FMUSIC_IsPlaying(" + Handle(mod, 'm') + ")");
    return PlayingModules().count(static_cast<int>(reinterpret_cast<std::uintptr_t>(mod))) ? 1 : 0;
}

signed char FMUSIC_SetMasterVolume(FMUSIC_MODULE* mod, int volume)
{
    Record("FMUSIC_SetMasterVolume(" + Handle(mod, 'm') + ", " + std::to_string(volume) + ")");
    return 1;
}
