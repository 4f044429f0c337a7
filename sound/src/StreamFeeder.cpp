// The stream decoding thread.
#include "StreamFeeder.h"

#include <chrono>

namespace fmodlite {

StreamFeeder::~StreamFeeder()
{
    Stop();
}

void StreamFeeder::Start(std::function<void()> newWork)
{
    Stop();
    work = std::move(newWork);
    {
        std::lock_guard<std::mutex> guard(mutex);
        stopping = false;
        woken = false;
    }
    thread = std::thread(&StreamFeeder::Run, this);
}

void StreamFeeder::Wake()
{
    {
        std::lock_guard<std::mutex> guard(mutex);
        woken = true;
    }
    wake.notify_one();
}

void StreamFeeder::Stop()
{
    if (!thread.joinable())
        return;
    {
        std::lock_guard<std::mutex> guard(mutex);
        stopping = true;
    }
    wake.notify_one();
    thread.join();
}

void StreamFeeder::Run()
{
    std::unique_lock<std::mutex> lock(mutex);
    while (!stopping) {
        // The ring holds far more than this period, so a stream never runs dry
        // unless the disk stalls.
        wake.wait_for(lock, std::chrono::milliseconds(20), [this] { return stopping || woken; });
        if (stopping)
            break;
        woken = false;
        lock.unlock();
        work();
        lock.lock();
    }
}

}  // namespace fmodlite
