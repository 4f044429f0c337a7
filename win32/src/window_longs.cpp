// Window longs (procedure, style, id, instance, user data, extra bytes) and window text calls.
#include "procedure_handles.h"
#include "window.h"

#include <cstring>

using namespace win32;

namespace {

bool extraSlot(Window& w, int index, size_t size) {
    if (index < 0 || (size_t)index + size > w.extra.size()) {
        SetLastError(ERROR_INVALID_INDEX);
        return false;
    }
    return true;
}

// The size bytes at index of a window's extra bytes, or null with the error set.
unsigned char* extraBytes(HWND hwnd, int index, size_t size) {
    Window* w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return extraSlot(*w, index, size) ? w->extra.data() + index : nullptr;
}

// Slots that hold pointers; the 32-bit forms refuse them, as 64-bit Windows does. In a 32-bit
// build they are the only forms, as on 32-bit Windows, and reach every slot.
bool isPointerSlot(int index) {
    if (sizeof(LONG) == sizeof(LONG_PTR)) return false;
    return index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT;
}

// A dialog's procedure slot: stored as the procedure, read back as a handle to it.
bool isDialogProcSlot(const Window& w, int index) { return w.dialogSlots && index == (int)DWLP_DLGPROC; }

}  // namespace

extern "C" {

LONG_PTR WINAPI GetWindowLongPtrA(HWND hwnd, int index) {
    Window* w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    switch (index) {
    case GWLP_WNDPROC: return (LONG_PTR)w->proc;
    case GWLP_HINSTANCE: return (LONG_PTR)w->instance;
    case GWLP_HWNDPARENT: return (LONG_PTR)((w->style & WS_CHILD) ? w->parent : w->owner);
    case GWLP_ID: return w->id;
    case GWL_STYLE: return (LONG)w->style;
    case GWL_EXSTYLE: return (LONG)w->exStyle;
    case GWLP_USERDATA: return w->userData;
    default: break;
    }
    if (!extraSlot(*w, index, sizeof(LONG_PTR))) return 0;
    LONG_PTR v;
    std::memcpy(&v, w->extra.data() + index, sizeof v);
    return isDialogProcSlot(*w, index) ? procedureHandleFor(v) : v;
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window* w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    LONG_PTR old;
    switch (index) {
    case GWLP_WNDPROC:
        old = (LONG_PTR)w->proc;
        w->proc = (WNDPROC)value;
        return old;
    case GWLP_HINSTANCE:
        old = (LONG_PTR)w->instance;
        w->instance = (HINSTANCE)value;
        return old;
    case GWLP_HWNDPARENT:
        if (w->style & WS_CHILD) return (LONG_PTR)SetParent(hwnd, (HWND)value);
        old = (LONG_PTR)w->owner;
        w->owner = (HWND)value;
        return old;
    case GWLP_ID:
        old = w->id;
        w->id = value;
        return old;
    case GWLP_USERDATA:
        old = w->userData;
        w->userData = value;
        return old;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        DWORD& field = index == GWL_STYLE ? w->style : w->exStyle;
        STYLESTRUCT ss{field, (DWORD)value};
        SendMessageA(hwnd, WM_STYLECHANGING, (WPARAM)index, (LPARAM)&ss);
        w = findWindow(hwnd);
        if (!w) return 0;
        DWORD& f = index == GWL_STYLE ? w->style : w->exStyle;
        old = (LONG)f;
        // Only the bits are changed: a window is not shown or hidden by its WS_VISIBLE bit alone.
        f = ss.styleNew;
        ss.styleOld = (DWORD)old;
        SendMessageA(hwnd, WM_STYLECHANGED, (WPARAM)index, (LPARAM)&ss);
        return old;
    }
    default: break;
    }
    if (!extraSlot(*w, index, sizeof(LONG_PTR))) return 0;
    std::memcpy(&old, w->extra.data() + index, sizeof old);
    if (isDialogProcSlot(*w, index)) {
        value = procedureBehind(value);
        old = procedureHandleFor(old);
    }
    std::memcpy(w->extra.data() + index, &value, sizeof value);
    return old;
}

LONG WINAPI GetWindowLongA(HWND hwnd, int index) {
    if (isPointerSlot(index)) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    if (sizeof(LONG) == sizeof(LONG_PTR) && index == (int)DWLP_DLGPROC)
        if (Window* w = findWindow(hwnd); w && w->dialogSlots) return (LONG)GetWindowLongPtrA(hwnd, index);
    if (index >= 0) {
        const unsigned char* bytes = extraBytes(hwnd, index, sizeof(LONG));
        if (!bytes) return 0;
        LONG v;
        std::memcpy(&v, bytes, sizeof v);
        return v;
    }
    return (LONG)GetWindowLongPtrA(hwnd, index);
}

LONG WINAPI SetWindowLongA(HWND hwnd, int index, LONG value) {
    if (isPointerSlot(index)) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    if (sizeof(LONG) == sizeof(LONG_PTR) && index == (int)DWLP_DLGPROC)
        if (Window* w = findWindow(hwnd); w && w->dialogSlots) return (LONG)SetWindowLongPtrA(hwnd, index, value);
    if (index >= 0) {
        unsigned char* bytes = extraBytes(hwnd, index, sizeof(LONG));
        if (!bytes) return 0;
        LONG old;
        std::memcpy(&old, bytes, sizeof old);
        std::memcpy(bytes, &value, sizeof value);
        return old;
    }
    if (index == GWL_STYLE || index == GWL_EXSTYLE) return (LONG)SetWindowLongPtrA(hwnd, index, (LONG_PTR)(DWORD)value);
    return (LONG)SetWindowLongPtrA(hwnd, index, value);
}

WORD WINAPI GetWindowWord(HWND hwnd, int index) {
    const unsigned char* bytes = extraBytes(hwnd, index, sizeof(WORD));
    if (!bytes) return 0;
    WORD v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

int WINAPI GetWindowTextA(HWND hwnd, LPSTR buffer, int maxCount) {
    if (!buffer || maxCount <= 0) return 0;
    buffer[0] = 0;
    if (!findWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return (int)SendMessageA(hwnd, WM_GETTEXT, (WPARAM)maxCount, (LPARAM)buffer);
}

int WINAPI GetWindowTextLengthA(HWND hwnd) {
    if (!findWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return (int)SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
}

BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text) {
    if (!findWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return (BOOL)SendMessageA(hwnd, WM_SETTEXT, 0, (LPARAM)text);
}

LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageA(item, msg, wParam, lParam) : 0;
}

BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SetWindowTextA(item, text) : FALSE;
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int maxCount) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) {
        if (buffer && maxCount > 0) buffer[0] = 0;
        return 0;
    }
    return (UINT)GetWindowTextA(item, buffer, maxCount);
}

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) return FALSE;
    SendMessageA(item, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    return (UINT)SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0);
}

}  // extern "C"
