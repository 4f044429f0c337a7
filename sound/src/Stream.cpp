// Decoding a stream ahead of its playback.
#include "Stream.h"

#include <algorithm>
#include <cstring>

#include "AudioLock.h"

namespace fmodlite {

namespace {
constexpr size_t kDecodeFrames = 4096;
}

std::unique_ptr<Stream> Stream::Open(const std::string& path)
{
    std::unique_ptr<AudioFile> file = AudioFile::Open(path);
    if (!file)
        return nullptr;
    return std::unique_ptr<Stream>(new Stream(std::move(file)));
}

Stream::Stream(std::unique_ptr<AudioFile> file) : ring(kRingFrames), file(std::move(file))
{
}

bool Stream::Rewind(AudioLock& lock)
{
    const bool ok = file->Rewind();
    pending.clear();
    pendingAt = 0;
    fileDone = !ok;
    std::lock_guard<AudioLock> guard(lock);
    ring.read = ring.written = 0;
    ring.ended = !ok;
    return ok;
}

void Stream::TopUp(AudioLock& lock)
{
    for (;;) {
        size_t space;
        uint64_t writeAt;
        {
            std::lock_guard<AudioLock> guard(lock);
            if (ring.ended)
                return;
            space = ring.Free();
            writeAt = ring.written;
        }
        if (pendingAt == pending.size() && !fileDone) {
            // Decoding happens outside the lock so the callback never waits on the disk.
            pending.clear();
            pendingAt = 0;
            fileDone = !file->Read(kDecodeFrames, pending);
        }
        const size_t have = (pending.size() - pendingAt) / 2;
        const size_t n = std::min(space, have);
        if (n == 0 && !(fileDone && have == 0))
            return;  // ring full, or nothing decoded this round
        std::lock_guard<AudioLock> guard(lock);
        // The mixer only ever frees space, so the `n` frames seen free are free still.
        size_t done = 0;
        while (done < n) {
            const size_t at = static_cast<size_t>((writeAt + done) % ring.capacity);
            const size_t k = std::min(n - done, ring.capacity - at);
            std::memcpy(ring.pcm.data() + at * 2, pending.data() + pendingAt + done * 2, k * 2 * sizeof(int16_t));
            done += k;
        }
        ring.written += n;
        pendingAt += n * 2;
        if (fileDone && pendingAt == pending.size())
            ring.ended = true;
        if (n == 0 || ring.ended)
            return;
    }
}

}  // namespace fmodlite
