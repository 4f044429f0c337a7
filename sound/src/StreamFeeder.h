// A thread of ours that keeps playing streams decoded ahead while a device plays.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace fmodlite {

class StreamFeeder {
public:
    ~StreamFeeder();
    // Calls `work` now and then, and at once after Wake, until Stop.
    void Start(std::function<void()> work);
    void Wake();
    void Stop();

private:
    void Run();

    std::function<void()> work;
    std::thread thread;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    bool woken = false;
};

}  // namespace fmodlite
