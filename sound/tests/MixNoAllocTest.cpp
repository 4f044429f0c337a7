// The audio callback must never allocate: count every allocation while the mixer mixes.
#include <atomic>
#include <cstdlib>

#include <gtest/gtest.h>

#include "Mixer.h"
#include "TestSounds.h"

extern "C" void* __libc_malloc(size_t);
extern "C" void* __libc_calloc(size_t, size_t);
extern "C" void* __libc_realloc(void*, size_t);

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
void Note()
{
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
}
}  // namespace

// This program's own allocator entry points (a build without sanitizers only).
extern "C" void* malloc(size_t n)
{
    Note();
    return __libc_malloc(n);
}
extern "C" void* calloc(size_t n, size_t size)
{
    Note();
    return __libc_calloc(n, size);
}
extern "C" void* realloc(void* p, size_t n)
{
    Note();
    return __libc_realloc(p, n);
}

namespace {

using namespace fmodlite;

TEST(MixNoAllocTest, MixingSamplesStreamsAndAModuleAllocatesNothing)
{
    soundtest::ScratchDir dir;
    ASSERT_TRUE(soundtest::WriteTestModule(dir.File("m.xm")));
    std::unique_ptr<Module> module = Module::Load(dir.File("m.xm"));
    ASSERT_NE(module, nullptr);

    Mixer mixer;
    Sample looping;
    looping.pcm.assign(44100 * 2, 100);
    looping.loop = true;
    StreamRing ring(8192);
    ring.written = 8192;
    for (int i = 0; i < 32; ++i)
        mixer.Play(-1, &looping);
    mixer.Play(5, &ring);
    mixer.AddModule(module.get());
    module->playing = true;
    std::vector<int16_t> out(1024 * 2);
    mixer.Mix(out.data(), 1024);  // the first pass may settle the player's own state

    // The counter must see allocations at all, or the check below proves nothing.
    counting = true;
    void* volatile probe = std::malloc(16);
    counting = false;
    std::free(probe);
    ASSERT_EQ(allocations.exchange(0), 1);

    counting = true;
    for (int pass = 0; pass < 200; ++pass)
        mixer.Mix(out.data(), 1024);
    counting = false;
    EXPECT_EQ(allocations.load(), 0);
    EXPECT_TRUE(module->playing);
}

}  // namespace
