// Keyboard focus: SetFocus with its kill-focus/set-focus messages and the focus hook event.
#include "window.h"

using namespace win32;

extern "C" {

HWND WINAPI SetFocus(HWND hwnd) {
    HWND old = wm().focus;
    if (hwnd && !findWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (hwnd == old) return old;
    if (hwnd && (GetWindowLongA(hwnd, GWL_STYLE) & WS_DISABLED)) return nullptr;
    if (callCbtHooks(HCBT_SETFOCUS, (WPARAM)hwnd, (LPARAM)old)) return nullptr;
    wm().focus = hwnd;
    if (old && findWindow(old)) SendMessageA(old, WM_KILLFOCUS, (WPARAM)hwnd, 0);
    if (hwnd && wm().focus == hwnd && findWindow(hwnd)) SendMessageA(hwnd, WM_SETFOCUS, (WPARAM)old, 0);
    return old;
}

HWND WINAPI GetFocus(void) { return findWindow(wm().focus) ? wm().focus : nullptr; }

HWND WINAPI GetActiveWindow(void) { return findWindow(wm().active) ? wm().active : nullptr; }

}  // extern "C"
