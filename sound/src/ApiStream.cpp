// Streams: FSOUND_Stream_Open, _Play, _Stop and _Close.
#include "Library.h"
#include "fsound.h"

using namespace fmodlite;

FSOUND_STREAM* FSOUND_Stream_Open(const char* name, unsigned int, int offset, int length)
{
    if (!name || offset != 0 || length != 0)
        return nullptr;
    std::unique_ptr<Stream> stream = Stream::Open(name);
    if (!stream)
        return nullptr;
    Library& lib = Lib();
    std::lock_guard<std::mutex> guard(lib.streamMutex);
    lib.streams.insert(stream.get());
    return reinterpret_cast<FSOUND_STREAM*>(stream.release());
}

int FSOUND_Stream_Play(int channel, FSOUND_STREAM* sptr)
{
    Library& lib = Lib();
    auto* stream = reinterpret_cast<Stream*>(sptr);
    if (!lib.Running())
        return 0;
    int handle;
    {
        std::lock_guard<std::mutex> guard(lib.streamMutex);
        if (!lib.streams.count(stream))
            return 0;
        // A stream has one playback: playing it again starts it over from the top.
        {
            std::lock_guard<AudioLock> audio(lib.audio);
            lib.mixer.StopAllOf(&stream->ring);
        }
        stream->decoding = stream->Rewind(lib.audio);
        if (!stream->decoding)
            return 0;
        stream->TopUp(lib.audio);
        std::lock_guard<AudioLock> audio(lib.audio);
        handle = lib.mixer.Play(channel, &stream->ring);
    }
    lib.feeder.Wake();
    return handle;
}

signed char FSOUND_Stream_Stop(FSOUND_STREAM* sptr)
{
    Library& lib = Lib();
    auto* stream = reinterpret_cast<Stream*>(sptr);
    std::lock_guard<std::mutex> guard(lib.streamMutex);
    if (!lib.streams.count(stream))
        return 0;
    stream->decoding = false;
    std::lock_guard<AudioLock> audio(lib.audio);
    lib.mixer.StopAllOf(&stream->ring);
    return 1;
}

signed char FSOUND_Stream_Close(FSOUND_STREAM* sptr)
{
    Library& lib = Lib();
    auto* stream = reinterpret_cast<Stream*>(sptr);
    std::lock_guard<std::mutex> guard(lib.streamMutex);
    if (!lib.streams.erase(stream))
        return 0;
    {
        std::lock_guard<AudioLock> audio(lib.audio);
        lib.mixer.StopAllOf(&stream->ring);
    }
    delete stream;
    return 1;
}
