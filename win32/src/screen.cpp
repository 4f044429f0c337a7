// The one screen picture and the visible region of a window on it, clipped by the window tree.
#include "screen.h"

#include "window.h"

namespace win32 {

namespace {

ScreenPicture g_screen;

RECT screenRectOf(const Window& w) {
    POINT o = windowOrigin(w);
    return RECT{o.x, o.y, o.x + (w.rect.right - w.rect.left), o.y + (w.rect.bottom - w.rect.top)};
}

RECT screenClientOf(const Window& w) {
    POINT o = clientOrigin(w);
    return RECT{o.x, o.y, o.x + (w.client.right - w.client.left), o.y + (w.client.bottom - w.client.top)};
}

bool isTopLevel(const Window& w) { return w.parent == wm().desktop || !(w.style & WS_CHILD); }

// Removes from r the visible siblings above w (earlier in its parent's list).
void subtractSiblingsAbove(const Window& w, Region& r) {
    const Window* p = findWindow(w.parent);
    if (!p) return;
    for (HWND s : p->children) {
        if (s == w.handle) return;
        const Window* sw = findWindow(s);
        if (sw && (sw->style & WS_VISIBLE)) r.subtractRect(screenRectOf(*sw));
    }
}

}  // namespace

ScreenPicture& screenPicture() {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    if (width != g_screen.width || height != g_screen.height) {
        g_screen.width = width > 0 ? width : 0;
        g_screen.height = height > 0 ? height : 0;
        g_screen.pixels.assign((size_t)g_screen.width * g_screen.height, WIN32TEST_UNPAINTED);
    }
    return g_screen;
}

void resetScreen() {
    g_screen = ScreenPicture{};
    screenPicture();
}

Region visibleRegion(const Window& w, bool clientOnly, bool clipChildren) {
    Region r;
    if (!isVisible(w) || w.handle == wm().desktop) return r;
    const ScreenPicture& s = screenPicture();
    r.addRect(clientOnly ? screenClientOf(w) : screenRectOf(w));
    r.intersectRect(RECT{0, 0, s.width, s.height});
    for (const Window* cur = &w; cur && cur->handle != wm().desktop;) {
        if (isTopLevel(*cur) || (cur->style & WS_CLIPSIBLINGS)) subtractSiblingsAbove(*cur, r);
        if (isTopLevel(*cur)) break;
        const Window* parent = findWindow(cur->parent);
        if (!parent) break;
        r.intersectRect(screenClientOf(*parent));
        cur = parent;
    }
    if (clipChildren)
        for (HWND c : w.children) {
            const Window* cw = findWindow(c);
            if (cw && (cw->style & WS_VISIBLE)) r.subtractRect(screenRectOf(*cw));
        }
    return r;
}

}  // namespace win32
