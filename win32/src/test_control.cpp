// Test control: the reset of the whole stand-in and the window pixel and invalidation accessors.
#include "procedure_handles.h"
#include "reset.h"
#include "screen.h"
#include "window.h"

#include <algorithm>
#include <cstdio>

using namespace win32;


namespace {

bool g_started = false;

BOOL writeBmp(const std::vector<COLORREF>& pixels, int width, int height, LPCSTR linuxPath);
COLORREF* screenPixelOf(HWND hwnd, int x, int y);

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
    resetProcedureHandles();
    resetScreen();
}

// Window pixels are the screen's at the window's place: what the screen shows there.
COLORREF Win32Test_GetPixel(HWND hwnd, int x, int y) {
    COLORREF* p = screenPixelOf(hwnd, x, y);
    return p ? *p : CLR_INVALID;
}

void Win32Test_SetPixel(HWND hwnd, int x, int y, COLORREF color) {
    if (COLORREF* p = screenPixelOf(hwnd, x, y)) *p = color & 0xFFFFFF;
}

void Win32Test_FillWindow(HWND hwnd, COLORREF color) {
    Window* w = findWindow(hwnd);
    if (!w) return;
    ScreenPicture& screen = screenPicture();
    const Region area = visibleRegion(*w, false, false);
    for (const RECT& r : area.rects())
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) screen.pixels[(size_t)y * screen.width + x] = color & 0xFFFFFF;
}

BOOL Win32Test_SaveWindowBitmap(HWND hwnd, LPCSTR linuxPath) {
    Window* w = findWindow(hwnd);
    if (!w || !linuxPath) return FALSE;
    const int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
    std::vector<COLORREF> image((size_t)std::max(0, width) * std::max(0, height), WIN32TEST_UNPAINTED);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (COLORREF* p = screenPixelOf(hwnd, x, y)) image[(size_t)y * width + x] = *p;
    return writeBmp(image, width, height, linuxPath);
}

BOOL Win32Test_SaveCompositeBitmap(HWND hwnd, LPCSTR linuxPath) { return Win32Test_SaveWindowBitmap(hwnd, linuxPath); }

}  // extern "C"

namespace {

COLORREF* screenPixelOf(HWND hwnd, int x, int y) {
    Window* w = findWindow(hwnd);
    if (!w || x < 0 || y < 0 || x >= w->rect.right - w->rect.left || y >= w->rect.bottom - w->rect.top) return nullptr;
    POINT o = windowOrigin(*w);
    ScreenPicture& screen = screenPicture();
    const int sx = o.x + x, sy = o.y + y;
    if (sx < 0 || sy < 0 || sx >= screen.width || sy >= screen.height) return nullptr;
    return &screen.pixels[(size_t)sy * screen.width + sx];
}

BOOL writeBmp(const std::vector<COLORREF>& pixels, int width, int height, LPCSTR linuxPath) {
    FILE* f = std::fopen(linuxPath, "wb");
    if (!f) return FALSE;
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
            COLORREF c = pixels[(size_t)y * width + x];
            std::fputc(GetBValue(c), f);
            std::fputc(GetGValue(c), f);
            std::fputc(GetRValue(c), f);
        }
        for (uint32_t pad = (uint32_t)width * 3; pad < stride; ++pad) std::fputc(0, f);
    }
    return std::fclose(f) == 0;
}

}  // namespace

extern "C" {

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
