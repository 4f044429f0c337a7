// Creating and destroying windows, with the messages and creation hooks in the platform's order.
#include "window.h"

#include <algorithm>

namespace win32 {

namespace {

void unlink(Window& w) {
    if (Window* p = findWindow(w.parent)) {
        auto& sib = p->children;
        sib.erase(std::remove(sib.begin(), sib.end(), w.handle), sib.end());
    }
}

// Drops a window that never finished creation or has had its last message.
void discard(const std::shared_ptr<Window>& w) {
    unlink(*w);
    caretWindowDestroyed(w->handle);
    if (wm().focus == w->handle) wm().focus = nullptr;
    if (wm().active == w->handle) wm().active = nullptr;
    w->properties.clear();
    w->dead = true;
    wm().windows.remove(w->handle);
}

void sendDestroy(HWND hwnd) {
    auto w = shareWindow(hwnd);
    if (!w) return;
    w->destroying = true;
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    std::vector<HWND> children = w->children;
    for (HWND c : children) sendDestroy(c);
}

void sendNcDestroy(HWND hwnd) {
    auto w = shareWindow(hwnd);
    if (!w) return;
    std::vector<HWND> children = w->children;
    for (HWND c : children) sendNcDestroy(c);
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    discard(w);
}

bool isDescendantOrSelf(HWND hwnd, HWND ancestor) {
    for (Window* w = findWindow(hwnd); w; w = findWindow(w->parent))
        if (w->handle == ancestor) return true;
    return false;
}

}  // namespace

void resetWindowManager() {
    WindowManager& m = wm();
    for (auto& [h, w] : m.windows.all()) w->dead = true;
    m.windows.clear();
    m.classes.clear();
    m.focus = m.active = nullptr;
    m.nextClassAtom = 0xC000;
    registerSystemClasses();
    auto desktop = std::make_shared<Window>();
    desktop->cls = findClass("#32769", nullptr);
    desktop->style = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_POPUP;
    desktop->proc = desktop->cls->proc;
    desktop->rect = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    desktop->client = desktop->rect;
    desktop->handle = (HWND)m.windows.add(desktop);
    m.desktop = desktop->handle;
}

}  // namespace win32

using namespace win32;

extern "C" {

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    std::shared_ptr<WindowClass> cls = findClass(className, instance);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    const bool child = (style & WS_CHILD) != 0;
    if (child && !parent) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    Window* parentWindow = parent ? findWindow(parent) : nullptr;
    if (parent && !parentWindow) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }

    auto w = std::make_shared<Window>();
    w->cls = cls;
    w->style = style;
    w->exStyle = exStyle;
    if (!child && !(style & WS_POPUP)) w->style |= WS_CLIPSIBLINGS | WS_CAPTION;  // overlapped windows
    if (exStyle & WS_EX_DLGMODALFRAME) w->exStyle |= WS_EX_WINDOWEDGE;
    w->instance = instance;
    w->proc = cls->proc;
    w->extra.assign((size_t)cls->wndExtra, 0);
    w->dialogSlots = cls->proc == DefDlgProcA && cls->wndExtra >= DLGWINDOWEXTRA;
    w->thread = GetCurrentThreadId();
    if (child) {
        w->parent = parent;
        w->id = (LONG_PTR)menu;
    } else {
        w->parent = wm().desktop;
        // The owner of a top-level window is the top-level window of the given parent.
        Window* o = parentWindow;
        while (o && (o->style & WS_CHILD)) o = findWindow(o->parent);
        w->owner = o ? o->handle : nullptr;
        w->id = (LONG_PTR)menu;
    }
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) width = height = 0;
    HWND hwnd = (HWND)wm().windows.add(w);
    w->handle = hwnd;
    // Children go to the bottom of the z-order, so GW_CHILD/GW_HWNDNEXT follow creation order;
    // a new top-level window goes on top.
    Window* linkParent = findWindow(w->parent);
    if (child)
        linkParent->children.push_back(hwnd);
    else
        linkParent->children.insert(linkParent->children.begin(), hwnd);

    CREATESTRUCTA cs{param, instance, menu, parent, height, width, y, x, (LONG)style, windowName, className, exStyle};
    CBT_CREATEWNDA cbt{&cs, child ? HWND_BOTTOM : HWND_TOP};
    if (callCbtHooks(HCBT_CREATEWND, (WPARAM)hwnd, (LPARAM)&cbt)) {
        discard(w);
        return nullptr;
    }
    if (w->dead) return nullptr;

    // The window is shown, if asked, only after WM_CREATE; a hook may have moved or resized it.
    w->style &= ~(DWORD)WS_VISIBLE;
    w->rect = RECT{cs.x, cs.y, cs.x + std::max(0, cs.cx), cs.y + std::max(0, cs.cy)};
    w->client = RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};

    if (!SendMessageA(hwnd, WM_NCCREATE, 0, (LPARAM)&cs)) {
        if (shareWindow(hwnd)) {
            SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
            discard(w);
        }
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!shareWindow(hwnd)) return nullptr;
    RECT r = w->rect;
    SendMessageA(hwnd, WM_NCCALCSIZE, FALSE, (LPARAM)&r);
    w->client = RECT{r.left - w->rect.left, r.top - w->rect.top, r.right - w->rect.left, r.bottom - w->rect.top};

    if (SendMessageA(hwnd, WM_CREATE, 0, (LPARAM)&cs) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!shareWindow(hwnd)) return nullptr;
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
    if (child && !(exStyle & WS_EX_NOPARENTNOTIFY) && findWindow(parent))
        SendMessageA(parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, (WORD)w->id), (LPARAM)hwnd);
    if (!shareWindow(hwnd)) return nullptr;
    if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
    return shareWindow(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
    auto w = shareWindow(hwnd);
    if (!w || hwnd == wm().desktop) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (w->destroying) return FALSE;
    if (callCbtHooks(HCBT_DESTROYWND, (WPARAM)hwnd, 0)) return FALSE;
    if (!shareWindow(hwnd)) return TRUE;

    if ((w->style & WS_CHILD) && !(w->exStyle & WS_EX_NOPARENTNOTIFY) && findWindow(w->parent))
        SendMessageA(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, (WORD)w->id), (LPARAM)hwnd);
    if (w->style & WS_VISIBLE)
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    // Owned top-level windows (such as a drop-down list) go first.
    std::vector<HWND> owned;
    for (auto& [h, other] : wm().windows.all())
        if (!other->dead && !(other->style & WS_CHILD) && other->owner == hwnd) owned.push_back(other->handle);
    for (HWND o : owned) DestroyWindow(o);
    if (wm().focus && isDescendantOrSelf(wm().focus, hwnd)) SetFocus(nullptr);

    sendDestroy(hwnd);
    sendNcDestroy(hwnd);
    return TRUE;
}

}  // extern "C"
