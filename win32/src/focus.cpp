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
    // As documented: WM_KILLFOCUS comes while the old window still has the focus (GetFocus answers
    // it), then the focus moves, then WM_SETFOCUS comes with GetFocus answering the new window.
    if (old && findWindow(old)) {
        SendMessageA(old, WM_KILLFOCUS, (WPARAM)hwnd, 0);
        // The losing window moved the focus itself: that change stands.
        if (wm().focus != old) return old;
    }
    if (hwnd && !findWindow(hwnd)) hwnd = nullptr;
    wm().focus = hwnd;
    if (hwnd) SendMessageA(hwnd, WM_SETFOCUS, (WPARAM)old, 0);
    return old;
}

HWND WINAPI GetFocus(void) { return findWindow(wm().focus) ? wm().focus : nullptr; }

HWND WINAPI GetActiveWindow(void) { return findWindow(wm().active) ? wm().active : nullptr; }

}  // extern "C"
