// Test control: the reset of the whole stand-in and the window pixel and invalidation accessors.
#include "reset.h"
#include "window.h"

#include <cstdio>

using namespace win32;


namespace {

bool g_started = false;

void putLe(FILE* f, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) std::fputc((int)((v >> (8 * i)) & 0xFF), f);
}

}  // namespace

namespace win32 {

// The stand-in is usable before the first reset, as a process starts with a desktop.
void ensureStarted() {
    if (!g_started) Win32Test_Reset();
}

}  // namespace win32

extern "C" {

void Win32Test_Reset(void) {
    g_started = true;
    resetSettings();
    resetFailures();
    resetHooks();
    resetGdi();
    resetWindowManager();
    resetAtoms();
    resetResources();
    resetMemory();
    resetCaret();
    resetPostedMessages();
    resetSearches();
}

COLORREF Win32Test_GetPixel(HWND hwnd, int x, int y) {
    Window* w = findWindow(hwnd);
    if (!w || x < 0 || y < 0 || x >= w->bufferWidth || y >= w->bufferHeight) return CLR_INVALID;
    return w->pixels[(size_t)y * w->bufferWidth + x];
}

void Win32Test_SetPixel(HWND hwnd, int x, int y, COLORREF color) {
    Window* w = findWindow(hwnd);
    if (!w || x < 0 || y < 0 || x >= w->bufferWidth || y >= w->bufferHeight) return;
    w->pixels[(size_t)y * w->bufferWidth + x] = color & 0xFFFFFF;
}

void Win32Test_FillWindow(HWND hwnd, COLORREF color) {
    if (Window* w = findWindow(hwnd))
        for (COLORREF& p : w->pixels) p = color & 0xFFFFFF;
}

BOOL Win32Test_SaveWindowBitmap(HWND hwnd, LPCSTR linuxPath) {
    Window* w = findWindow(hwnd);
    if (!w || !linuxPath) return FALSE;
    FILE* f = std::fopen(linuxPath, "wb");
    if (!f) return FALSE;
    const int width = w->bufferWidth, height = w->bufferHeight;
    const uint32_t stride = (uint32_t)((width * 3 + 3) & ~3);
    const uint32_t imageSize = stride * (uint32_t)height;
    std::fputc('B', f);
    std::fputc('M', f);
    putLe(f, 54 + imageSize, 4);
    putLe(f, 0, 4);
    putLe(f, 54, 4);
    putLe(f, 40, 4);
    putLe(f, (uint32_t)width, 4);
    putLe(f, (uint32_t)height, 4);
    putLe(f, 1, 2);
    putLe(f, 24, 2);
    putLe(f, 0, 4);
    putLe(f, imageSize, 4);
    putLe(f, 2835, 4);
    putLe(f, 2835, 4);
    putLe(f, 0, 4);
    putLe(f, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            COLORREF c = w->pixels[(size_t)y * width + x];
            std::fputc(GetBValue(c), f);
            std::fputc(GetGValue(c), f);
            std::fputc(GetRValue(c), f);
        }
        for (uint32_t pad = (uint32_t)width * 3; pad < stride; ++pad) std::fputc(0, f);
    }
    return std::fclose(f) == 0;
}

int Win32Test_GetInvalidations(HWND hwnd, Win32TestInvalidation* out, int max) {
    Window* w = findWindow(hwnd);
    if (!w) return 0;
    int n = (int)w->invalidations.size();
    for (int i = 0; out && i < n && i < max; ++i) out[i] = w->invalidations[(size_t)i];
    return n;
}

void Win32Test_ClearInvalidations(void) {
    for (auto& [h, w] : wm().windows.all()) w->invalidations.clear();
}

BOOL Win32Test_UpdateNeedsErase(HWND hwnd) {
    Window* w = findWindow(hwnd);
    return w && w->updateErase && !w->update.empty();
}

}  // extern "C"
