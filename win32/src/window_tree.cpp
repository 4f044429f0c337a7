// The window table and tree: lookups, parent/child/sibling relations, visibility and coordinates.
#include "reset.h"
#include "window.h"

#include <algorithm>

namespace win32 {

namespace {
WindowManager g_wm;
}

WindowManager& wm() {
    ensureStarted();
    return g_wm;
}

Window* findWindow(HWND hwnd) {
    Window* w = wm().windows.find(hwnd);
    return (w && !w->dead) ? w : nullptr;
}

std::shared_ptr<Window> shareWindow(HWND hwnd) {
    auto w = g_wm.windows.share(hwnd);
    return (w && !w->dead) ? w : nullptr;
}

Window* desktopWindow() { return findWindow(g_wm.desktop); }

POINT windowOrigin(const Window& w) {
    POINT p{w.rect.left, w.rect.top};
    const Window* parent = findWindow(w.parent);
    if (parent && parent->handle != g_wm.desktop) {
        POINT o = clientOrigin(*parent);
        p.x += o.x;
        p.y += o.y;
    }
    return p;
}

POINT clientOrigin(const Window& w) {
    POINT p = windowOrigin(w);
    p.x += w.client.left;
    p.y += w.client.top;
    return p;
}

bool isVisible(const Window& w) {
    const Window* cur = &w;
    while (cur && cur->handle != g_wm.desktop) {
        if (!(cur->style & WS_VISIBLE)) return false;
        cur = findWindow(cur->parent);
    }
    return true;
}

}  // namespace win32

using namespace win32;

extern "C" {

BOOL WINAPI IsWindow(HWND hwnd) { return findWindow(hwnd) != nullptr; }

BOOL WINAPI IsWindowVisible(HWND hwnd) {
    Window* w = findWindow(hwnd);
    return w && isVisible(*w);
}

BOOL WINAPI IsWindowEnabled(HWND hwnd) {
    Window* w = findWindow(hwnd);
    return w && !(w->style & WS_DISABLED);
}

HWND WINAPI GetDesktopWindow(void) { return wm().desktop; }

// A child's parent; a pop-up's owner; nothing for an overlapped window.
HWND WINAPI GetParent(HWND hwnd) {
    Window* w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (w->style & WS_CHILD) return w->parent;
    if (w->style & WS_POPUP) return w->owner;
    return nullptr;
}

HWND WINAPI GetWindow(HWND hwnd, UINT relation) {
    Window* w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
    if (relation == GW_OWNER) return (w->style & WS_CHILD) ? nullptr : w->owner;
    Window* parent = findWindow(w->parent);
    if (!parent) return nullptr;
    const std::vector<HWND>& sib = parent->children;
    auto it = std::find(sib.begin(), sib.end(), hwnd);
    if (it == sib.end()) return nullptr;
    switch (relation) {
    case GW_HWNDFIRST: return sib.front();
    case GW_HWNDLAST: return sib.back();
    case GW_HWNDNEXT: return (it + 1 == sib.end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV: return (it == sib.begin()) ? nullptr : *(it - 1);
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

// True when parent is on the chain of parents that leads from hwnd up to its top-level window.
BOOL WINAPI IsChild(HWND parent, HWND hwnd) {
    Window* w = findWindow(hwnd);
    while (w && (w->style & WS_CHILD)) {
        if (w->parent == parent) return TRUE;
        w = findWindow(w->parent);
    }
    return FALSE;
}

HWND WINAPI SetParent(HWND child, HWND newParent) {
    Window* w = findWindow(child);
    Window* np = newParent ? findWindow(newParent) : desktopWindow();
    if (!w || !np) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    HWND old = w->parent;
    if (Window* op = findWindow(old)) {
        auto& sib = op->children;
        sib.erase(std::remove(sib.begin(), sib.end(), child), sib.end());
    }
    w->parent = np->handle;
    np->children.insert(np->children.begin(), child);
    return old == wm().desktop ? nullptr : old;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    Window* d = findWindow(dialog);
    if (!d) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    for (HWND c : d->children) {
        Window* w = findWindow(c);
        if (w && (LONG)w->id == id) return c;
    }
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hwnd) {
    Window* w = findWindow(hwnd);
    return (w && (w->style & WS_CHILD)) ? (int)w->id : 0;
}

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
    Window* w = findWindow(hwnd);
    if (!w || !rect) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    POINT o = windowOrigin(*w);
    *rect = RECT{o.x, o.y, o.x + (w->rect.right - w->rect.left), o.y + (w->rect.bottom - w->rect.top)};
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
    Window* w = findWindow(hwnd);
    if (!w || !rect) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    *rect = RECT{0, 0, std::max<LONG>(0, w->client.right - w->client.left),
                 std::max<LONG>(0, w->client.bottom - w->client.top)};
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point) {
    Window* w = findWindow(hwnd);
    if (!w || !point) return FALSE;
    POINT o = clientOrigin(*w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point) {
    Window* w = findWindow(hwnd);
    if (!w || !point) return FALSE;
    POINT o = clientOrigin(*w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

// Returns the offset as MAKELONG(dx, dy); a NULL window stands for the screen.
int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT a{0, 0}, b{0, 0};
    if (from) {
        Window* w = findWindow(from);
        if (!w) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        a = clientOrigin(*w);
    }
    if (to) {
        Window* w = findWindow(to);
        if (!w) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        b = clientOrigin(*w);
    }
    int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    SetLastError(0);
    return MAKELONG(dx, dy);
}

}  // extern "C"
