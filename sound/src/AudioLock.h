// The lock shared by the audio callback (or the pulling caller) and the API.
#pragma once

#include <mutex>

namespace fmodlite {

// With a device open this is SDL's audio lock, held by SDL around our callback;
// otherwise a mutex of ours that the pulling caller takes around each mix.
class AudioLock {
public:
    void UseDevice(bool device) { this->device = device; }
    void lock();
    void unlock();

private:
    bool device = false;
    std::mutex mutex;
};

}  // namespace fmodlite
