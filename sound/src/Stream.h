// A stream: a sound file decoded ahead of its playback into a ring the mixer reads.
#pragma once

#include <memory>
#include <string>

#include "AudioFile.h"
#include "StreamRing.h"

namespace fmodlite {

class AudioLock;

class Stream {
public:
    // About three quarters of a second of audio decoded ahead.
    static constexpr size_t kRingFrames = 32768;

    static std::unique_ptr<Stream> Open(const std::string& path);

    // The decoding side. The caller holds the library's stream mutex; these take the
    // audio lock only for the moments they touch the ring.
    void TopUp(AudioLock& lock);
    // Back to the start of the file with an empty ring; false when the file cannot seek.
    bool Rewind(AudioLock& lock);

    StreamRing ring;        // guarded by the audio lock
    bool decoding = false;  // between Play and Stop; guarded like the decoding side

private:
    explicit Stream(std::unique_ptr<AudioFile> file);

    std::unique_ptr<AudioFile> file;
    Pcm pending;  // decoded frames that did not fit the ring yet
    size_t pendingAt = 0;
    bool fileDone = false;
};

}  // namespace fmodlite
