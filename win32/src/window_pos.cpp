// Moving, sizing, showing, hiding, reordering and enabling windows.
#include "window.h"

#include <algorithm>

using namespace win32;

namespace {

LONG width(const RECT& r) { return r.right - r.left; }
LONG height(const RECT& r) { return r.bottom - r.top; }

void reorder(Window& w, HWND insertAfter) {
    Window* p = findWindow(w.parent);
    if (!p) return;
    auto& sib = p->children;
    sib.erase(std::remove(sib.begin(), sib.end(), w.handle), sib.end());
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        sib.insert(sib.begin(), w.handle);
        return;
    }
    auto it = std::find(sib.begin(), sib.end(), insertAfter);
    if (insertAfter == HWND_BOTTOM || it == sib.end())
        sib.push_back(w.handle);
    else
        sib.insert(it + 1, w.handle);
}

// What the window no longer covers is repainted by whatever shows there now: the parent and its
// other children, or for a top-level window the other top-level windows beneath it.
void exposeInParent(Window& w, const RECT& oldRect, const RECT* newRect) {
    Window* p = findWindow(w.parent);
    if (!p) return;
    Region r(oldRect);
    if (newRect) r.subtractRect(*newRect);
    const bool topLevel = p->handle == wm().desktop;
    for (const RECT& piece : r.rects()) {
        if (!topLevel) invalidateInternal(*p, &piece, true);
        // The window itself is hidden or already moved, so it takes no share.
        invalidateChildren(*p, piece, true, true);
    }
}

}  // namespace

extern "C" {

BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    auto w = shareWindow(hwnd);
    if (!w || hwnd == wm().desktop) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const RECT oldRect = w->rect;
    const RECT oldClient = w->client;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;

    // Redundant requests are marked as such before the window hears of them.
    if (cx < 0) cx = 0;
    if (cy < 0) cy = 0;
    if (!(flags & SWP_NOSIZE) && cx == width(oldRect) && cy == height(oldRect)) flags |= SWP_NOSIZE;
    if (!(flags & SWP_NOMOVE) && x == oldRect.left && y == oldRect.top) flags |= SWP_NOMOVE;
    if ((flags & SWP_SHOWWINDOW) && wasVisible) flags &= ~(UINT)SWP_SHOWWINDOW;
    if ((flags & SWP_HIDEWINDOW) && !wasVisible) flags &= ~(UINT)SWP_HIDEWINDOW;
    if (flags & SWP_NOMOVE) {
        x = oldRect.left;
        y = oldRect.top;
    }
    if (flags & SWP_NOSIZE) {
        cx = width(oldRect);
        cy = height(oldRect);
    }

    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, (LPARAM)&pos);
        if (!shareWindow(hwnd)) return FALSE;
    }
    flags = pos.flags;
    RECT newRect = oldRect;
    if (!(flags & SWP_NOMOVE)) OffsetRect(&newRect, pos.x - oldRect.left, pos.y - oldRect.top);
    if (!(flags & SWP_NOSIZE)) {
        newRect.right = newRect.left + std::max(0, pos.cx);
        newRect.bottom = newRect.top + std::max(0, pos.cy);
    }
    const bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
    const bool sized = width(newRect) != width(oldRect) || height(newRect) != height(oldRect);

    if (moved || sized || (flags & SWP_FRAMECHANGED)) {
        NCCALCSIZE_PARAMS params;
        params.rgrc[0] = newRect;
        params.rgrc[1] = oldRect;
        params.rgrc[2] = oldClient;
        OffsetRect(&params.rgrc[2], oldRect.left, oldRect.top);
        params.lppos = &pos;
        // The window keeps its old rectangle until it has answered: GetWindowRect during the message
        // gives what rgrc[1] holds.
        SendMessageA(hwnd, WM_NCCALCSIZE, TRUE, (LPARAM)&params);
        if (!shareWindow(hwnd)) return FALSE;
        w->rect = newRect;
        const RECT& c = params.rgrc[0];
        w->client = RECT{c.left - newRect.left, c.top - newRect.top, c.right - newRect.left, c.bottom - newRect.top};
    }
    if (!(flags & SWP_NOZORDER)) reorder(*w, pos.hwndInsertAfter);
    if (flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (flags & SWP_HIDEWINDOW) w->style &= ~(DWORD)WS_VISIBLE;

    if (!(flags & SWP_NOREDRAW)) {
        const bool visibleNow = (w->style & WS_VISIBLE) != 0;
        if (flags & SWP_HIDEWINDOW) {
            exposeInParent(*w, oldRect, nullptr);
        } else if (flags & SWP_SHOWWINDOW) {
            invalidateInternal(*w, nullptr, true);
            w->frameDirty = true;
        } else if (visibleNow && (moved || sized || (flags & SWP_FRAMECHANGED))) {
            exposeInParent(*w, oldRect, &newRect);
            if (sized || (flags & SWP_FRAMECHANGED)) {
                invalidateInternal(*w, nullptr, true);
                w->frameDirty = true;
            }
        }
    }
    pos.x = newRect.left;
    pos.y = newRect.top;
    pos.cx = width(newRect);
    pos.cy = height(newRect);
    pos.flags = flags;
    SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, (LPARAM)&pos);
    return TRUE;
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

// Returns whether the window was visible before.
BOOL WINAPI ShowWindow(HWND hwnd, int command) {
    Window* w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const bool was = (w->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;
    if (show == was) return was;
    SendMessageA(hwnd, WM_SHOWWINDOW, show, 0);
    if (!findWindow(hwnd)) return was;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    if (!show && wm().focus == hwnd) SetFocus(nullptr);
    return was;
}

// Returns whether the window was disabled before.
BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        w->style &= ~(DWORD)WS_DISABLED;
        SendMessageA(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        w->style |= WS_DISABLED;
        if (wm().focus == hwnd) SetFocus(nullptr);
        SendMessageA(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}

}  // extern "C"
