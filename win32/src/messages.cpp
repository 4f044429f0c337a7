// Message delivery (send, post, dispatch, call a procedure) and the default window procedure.
#include "procedure_handles.h"
#include "window.h"

#include <algorithm>
#include <cstring>
#include <deque>

using namespace win32;

namespace {

std::deque<MSG> g_posted;

LRESULT controlColor(HWND hwnd, UINT msg, WPARAM wParam) {
    HDC hdc = (HDC)wParam;
    (void)hwnd;
    // Edit fields, list boxes and message boxes sit on the window colour, the rest on the face colour.
    if (msg == WM_CTLCOLORSCROLLBAR) {
        SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        return (LRESULT)GetSysColorBrush(COLOR_SCROLLBAR);
    }
    if (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX || msg == WM_CTLCOLORMSGBOX) {
        SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        return (LRESULT)GetSysColorBrush(COLOR_WINDOW);
    }
    SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    return (LRESULT)GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace

namespace win32 {
void resetPostedMessages() { g_posted.clear(); }
}  // namespace win32

extern "C" {

LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto w = shareWindow(hwnd);  // keeps the record alive while its procedure runs
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    WNDPROC proc = w->proc;
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

// proc may be a procedure handle (from a dialog's DWLP_DLGPROC slot), which only this call resolves.
LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    proc = (WNDPROC)procedureBehind((LONG_PTR)proc);
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

BOOL WINAPI PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !findWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    g_posted.push_back(MSG{hwnd, msg, wParam, lParam, 0, POINT{0, 0}});
    return TRUE;
}

// Posted messages only: the stand-in has no input and sends WM_PAINT through UpdateWindow.
BOOL WINAPI PeekMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last, UINT remove) {
    for (auto it = g_posted.begin(); it != g_posted.end(); ++it) {
        if (hwnd && it->hwnd != hwnd) continue;
        if ((first || last) && (it->message < first || it->message > last)) continue;
        if (msg) *msg = *it;
        if (remove & PM_REMOVE) g_posted.erase(it);
        return TRUE;
    }
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
    if (!msg || !msg->hwnd) return 0;
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = (const CREATESTRUCTA*)lParam;
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE: {
        if (wParam) {
            auto* p = (NCCALCSIZE_PARAMS*)lParam;
            p->rgrc[0] = defaultClientRect(*w, p->rgrc[0]);
        } else if (lParam) {
            auto* r = (RECT*)lParam;
            *r = defaultClientRect(*w, *r);
        }
        return 0;
    }
    case WM_SETTEXT:
        w->text = lParam ? (const char*)lParam : "";
        if ((w->style & WS_CAPTION) == WS_CAPTION && isVisible(*w)) paintDefaultFrame(hwnd);
        return TRUE;
    case WM_GETTEXT: {
        if (wParam == 0 || !lParam) return 0;
        size_t n = std::min(w->text.size(), (size_t)wParam - 1);
        std::memcpy((char*)lParam, w->text.data(), n);
        ((char*)lParam)[n] = 0;
        return (LRESULT)n;
    }
    case WM_GETTEXTLENGTH: return (LRESULT)w->text.size();
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        HBRUSH brush = w->cls->background;
        if (!brush) return 0;
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect((HDC)wParam, &r, brush);
        return 1;
    }
    case WM_NCPAINT: paintDefaultFrame(hwnd); return 0;
    case WM_NCACTIVATE:
        w->ncActive = wParam != 0;
        if (isVisible(*w)) paintDefaultFrame(hwnd);
        return TRUE;
    case WM_WINDOWPOSCHANGED: {
        auto* pos = (const WINDOWPOS*)lParam;
        if (!pos) return 0;
        if (!(pos->flags & SWP_NOMOVE))
            SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
        if (!(pos->flags & SWP_NOSIZE) && findWindow(hwnd))
            SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
                         MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
        return 0;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return controlColor(hwnd, msg, wParam);
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_NCHITTEST: return 1;  // HTCLIENT
    default: return 0;
    }
}

}  // extern "C"
