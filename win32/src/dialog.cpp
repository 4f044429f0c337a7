// Default dialog processing: the dialog procedure slot, its result slot, and the dialog's own defaults.
#include "controls.h"

using namespace win32;

namespace {

// Messages whose dialog-procedure result is the answer itself rather than the DWLP_MSGRESULT slot.
bool returnsDirectly(UINT msg) {
    switch (msg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case 0x0039:  // WM_COMPAREITEM
    case 0x002E:  // WM_VKEYTOITEM
    case 0x002F:  // WM_CHARTOITEM
    case 0x0037:  // WM_QUERYDRAGICON
        return true;
    default: return false;
    }
}

bool hasSlots(const Window& w) { return w.extra.size() >= DWLP_USER; }

HWND firstTabStop(const Window& dialog) {
    for (HWND c : dialog.children) {
        Window* w = findWindow(c);
        if (w && (w->style & WS_TABSTOP) && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED)) return c;
    }
    return dialog.children.empty() ? nullptr : dialog.children.front();
}

}  // namespace

extern "C" {

LRESULT WINAPI DefDlgProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hwnd);
    if (!w) return 0;
    if (hasSlots(*w)) {
        LONG_PTR proc = GetWindowLongPtrA(hwnd, DWLP_DLGPROC);
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
        if (proc) {
            INT_PTR handled = CallWindowProcA((WNDPROC)proc, hwnd, msg, wParam, lParam);
            if (!findWindow(hwnd)) return handled;
            if (handled) return returnsDirectly(msg) ? handled : GetWindowLongPtrA(hwnd, DWLP_MSGRESULT);
        }
        w = findWindow(hwnd);
        if (!w) return 0;
    }
    switch (msg) {
    case WM_ERASEBKGND: {
        HBRUSH brush = (HBRUSH)SendMessageA(hwnd, WM_CTLCOLORDLG, wParam, (LPARAM)hwnd);
        if (!brush) brush = (HBRUSH)DefWindowProcA(hwnd, WM_CTLCOLORDLG, wParam, (LPARAM)hwnd);
        if (brush) {
            RECT r;
            GetClientRect(hwnd, &r);
            FillRect((HDC)wParam, &r, brush);
        }
        return 1;
    }
    case WM_SETFOCUS: {
        HWND first = firstTabStop(*w);
        if (first) SetFocus(first);
        return 0;
    }
    case WM_CLOSE:
        PostMessageA(hwnd, WM_COMMAND, IDCANCEL, (LPARAM)GetDlgItem(hwnd, IDCANCEL));
        return 0;
    case WM_SETFONT: w->control.font = (HFONT)wParam; return 0;
    case WM_GETFONT: return (LRESULT)w->control.font;
    case WM_INITDIALOG:
    case WM_GETDLGCODE: return 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // extern "C"
