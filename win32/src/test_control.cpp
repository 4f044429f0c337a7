// Test control: the reset of the whole stand-in and the window pixel and invalidation accessors.
#include "procedure_handles.h"
#include "reset.h"
#include "window.h"

#include <cstdio>

using namespace win32;


namespace {

bool g_started = false;

BOOL writeBmp(const std::vector<COLORREF>& pixels, int width, int height, LPCSTR linuxPath);
void composite(const Window& w, std::vector<COLORREF>& image, int width, int height, POINT at, RECT clip);

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
    return writeBmp(w->pixels, w->bufferWidth, w->bufferHeight, linuxPath);
}

BOOL Win32Test_SaveCompositeBitmap(HWND hwnd, LPCSTR linuxPath) {
    Window* w = findWindow(hwnd);
    if (!w || !linuxPath) return FALSE;
    std::vector<COLORREF> image = w->pixels;
    composite(*w, image, w->bufferWidth, w->bufferHeight, windowOrigin(*w),
              RECT{0, 0, w->bufferWidth, w->bufferHeight});
    return writeBmp(image, w->bufferWidth, w->bufferHeight, linuxPath);
}

}  // extern "C"

namespace {

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

// Draws the visible children of w over the image (whose top-left is at screen point `at`), last
// child first so that the first child ends on top, each clipped to w's client area and `clip`.
void composite(const Window& w, std::vector<COLORREF>& image, int width, int height, POINT at, RECT clip) {
    POINT co = clientOrigin(w);
    RECT client{co.x - at.x, co.y - at.y, co.x - at.x + (w.client.right - w.client.left),
                co.y - at.y + (w.client.bottom - w.client.top)};
    clip = Region::intersect(clip, client);
    for (auto it = w.children.rbegin(); it != w.children.rend(); ++it) {
        const Window* c = findWindow(*it);
        if (!c || !(c->style & WS_VISIBLE)) continue;
        POINT o = windowOrigin(*c);
        for (int y = 0; y < c->bufferHeight; ++y)
            for (int x = 0; x < c->bufferWidth; ++x) {
                int ix = o.x - at.x + x, iy = o.y - at.y + y;
                if (ix < clip.left || iy < clip.top || ix >= clip.right || iy >= clip.bottom) continue;
                if (ix < 0 || iy < 0 || ix >= width || iy >= height) continue;
                COLORREF p = c->pixels[(size_t)y * c->bufferWidth + x];
                // What a window never painted shows what lies beneath, as on the screen.
                if (p != WIN32TEST_UNPAINTED) image[(size_t)iy * width + ix] = p;
            }
        composite(*c, image, width, height, at, clip);
    }
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
