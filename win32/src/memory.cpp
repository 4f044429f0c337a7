// Global, local and heap memory blocks: fixed blocks are their own address, movable ones need locking.
#include "failures.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <map>

namespace {

struct Block {
    void* data = nullptr;
    SIZE_T size = 0;
    bool movable = false;
    int locks = 0;
};

std::map<uintptr_t, Block> g_blocks;  // by handle (the address itself for fixed blocks)
uintptr_t g_nextHandle = 0x50000000;

HANDLE allocate(UINT flags, SIZE_T bytes, bool movable) {
    if (win32::shouldFail(WIN32TEST_FAIL_MEMORY)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    void* p = (flags & GMEM_ZEROINIT) ? std::calloc(bytes ? bytes : 1, 1) : std::malloc(bytes ? bytes : 1);
    if (!p) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    uintptr_t handle = movable ? (g_nextHandle += 8) : (uintptr_t)p;
    g_blocks[handle] = Block{p, bytes, movable, 0};
    return (HANDLE)handle;
}

Block* find(HANDLE h) {
    auto it = g_blocks.find((uintptr_t)h);
    return it == g_blocks.end() ? nullptr : &it->second;
}

HANDLE release(HANDLE h) {
    auto it = g_blocks.find((uintptr_t)h);
    if (it == g_blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return h;
    }
    std::free(it->second.data);
    g_blocks.erase(it);
    return nullptr;
}

}  // namespace

namespace win32 {

void resetMemory() {
    for (auto& [h, b] : g_blocks) std::free(b.data);
    g_blocks.clear();
}

}  // namespace win32

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes) { return allocate(flags, bytes, (flags & GMEM_MOVEABLE) != 0); }

LPVOID WINAPI GlobalLock(HGLOBAL memory) {
    Block* b = find(memory);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (b->movable) ++b->locks;
    return b->data;
}

BOOL WINAPI GlobalUnlock(HGLOBAL memory) {
    Block* b = find(memory);
    if (!b || !b->movable || b->locks == 0) return FALSE;
    return --b->locks > 0;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL memory) { return release(memory); }

SIZE_T WINAPI GlobalSize(HGLOBAL memory) {
    Block* b = find(memory);
    return b ? b->size : 0;
}

HGLOBAL WINAPI GlobalHandle(LPCVOID pointer) {
    for (auto& [h, b] : g_blocks)
        if (b.data == pointer) return (HGLOBAL)h;
    return nullptr;
}

HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T bytes) { return allocate(flags, bytes, (flags & LMEM_MOVEABLE) != 0); }
LPVOID WINAPI LocalLock(HLOCAL memory) { return GlobalLock(memory); }
BOOL WINAPI LocalUnlock(HLOCAL memory) { return GlobalUnlock(memory); }
HLOCAL WINAPI LocalFree(HLOCAL memory) { return release(memory); }

HANDLE WINAPI GetProcessHeap(void) { return (HANDLE)(uintptr_t)0x70000000; }

LPVOID WINAPI HeapAlloc(HANDLE, DWORD flags, SIZE_T bytes) {
    return allocate((flags & HEAP_ZERO_MEMORY) ? GMEM_ZEROINIT : 0, bytes, false);
}

BOOL WINAPI HeapFree(HANDLE, DWORD, LPVOID memory) { return memory ? release(memory) == nullptr : TRUE; }

int Win32Test_LiveMemoryBlocks(void) { return (int)g_blocks.size(); }

}  // extern "C"
