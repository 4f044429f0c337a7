// The one caret of the desktop: its owner and its hide level, with call counters for the tests.
#include "window.h"

using namespace win32;

namespace {

struct Caret {
    HWND owner = nullptr;
    int hideLevel = 0;
    int hideCalls = 0;
    int showCalls = 0;
} g_caret;

bool ownedBy(HWND hwnd) {
    if (!g_caret.owner) return false;
    return !hwnd || hwnd == g_caret.owner;
}

}  // namespace

namespace win32 {

void caretWindowDestroyed(HWND hwnd) {
    if (g_caret.owner == hwnd) {
        g_caret.owner = nullptr;
        g_caret.hideLevel = 0;
    }
}

void resetCaret() { g_caret = Caret{}; }

// BeginPaint and EndPaint hide and show the caret of the window being painted.
void caretPaintHide(HWND hwnd) {
    if (g_caret.owner == hwnd) ++g_caret.hideLevel;
}
void caretCreateShown(HWND hwnd) {
    g_caret.owner = hwnd;
    g_caret.hideLevel = 0;
}

void caretPaintShow(HWND hwnd) {
    if (g_caret.owner == hwnd && g_caret.hideLevel > 0) --g_caret.hideLevel;
}

}  // namespace win32

extern "C" {

// A new caret starts hidden, as on the platform: ShowCaret makes it visible.
BOOL WINAPI CreateCaret(HWND hwnd, HBITMAP, int, int) {
    if (!findWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    g_caret.owner = hwnd;
    g_caret.hideLevel = 1;
    return TRUE;
}

BOOL WINAPI DestroyCaret(void) {
    if (!g_caret.owner) return FALSE;
    g_caret.owner = nullptr;
    g_caret.hideLevel = 0;
    return TRUE;
}

BOOL WINAPI HideCaret(HWND hwnd) {
    if (!ownedBy(hwnd)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    ++g_caret.hideLevel;
    ++g_caret.hideCalls;
    return TRUE;
}

BOOL WINAPI ShowCaret(HWND hwnd) {
    if (!ownedBy(hwnd)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (g_caret.hideLevel > 0) --g_caret.hideLevel;
    ++g_caret.showCalls;
    return TRUE;
}

int Win32Test_CaretHideCalls(void) { return g_caret.hideCalls; }
int Win32Test_CaretShowCalls(void) { return g_caret.showCalls; }
int Win32Test_CaretHideLevel(void) { return g_caret.owner ? g_caret.hideLevel : 0; }

}  // extern "C"
