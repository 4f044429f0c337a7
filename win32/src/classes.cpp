// Window classes: the system classes, application classes, and the class queries.
#include "window.h"

#include <algorithm>
#include <cstring>

namespace win32 {

namespace {

bool sameName(const std::string& a, LPCSTR b) { return lstrcmpiA(a.c_str(), b) == 0; }

bool matches(const WindowClass& c, LPCSTR name) {
    if (IS_INTRESOURCE(name)) return c.atom == LOWORD((ULONG_PTR)name);
    return sameName(c.name, name);
}

void addSystemClass(const char* name, WNDPROC proc, UINT style, int wndExtra, ATOM atom = 0) {
    auto c = std::make_shared<WindowClass>();
    c->name = name;
    c->proc = proc;
    c->style = style | CS_GLOBALCLASS;
    c->wndExtra = wndExtra;
    c->system = true;
    c->atom = atom ? atom : wm().nextClassAtom++;
    wm().classes.push_back(c);
}

LRESULT CALLBACK desktopProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

void registerSystemClasses() {
    const UINT controlStyle = CS_DBLCLKS | CS_PARENTDC;
    addSystemClass("#32769", desktopProc, 0, 0, 0x8001);
    addSystemClass("#32770", DefDlgProcA, CS_SAVEBITS | CS_DBLCLKS, DLGWINDOWEXTRA, 0x8002);
    addSystemClass("Button", buttonProc, controlStyle | CS_HREDRAW | CS_VREDRAW, 0);
    addSystemClass("Edit", editProc, controlStyle, 0);
    addSystemClass("ListBox", listBoxProc, controlStyle, 0);
    addSystemClass("ComboBox", comboBoxProc, controlStyle | CS_HREDRAW | CS_VREDRAW, 0);
    addSystemClass("ComboLBox", listBoxProc, CS_DBLCLKS | CS_SAVEBITS, 0);
    addSystemClass("Static", staticProc, controlStyle, 0);
    addSystemClass("ScrollBar", DefWindowProcA, controlStyle | CS_HREDRAW | CS_VREDRAW, 0);
}

// Local classes of the instance first, then global application classes, then the system's.
std::shared_ptr<WindowClass> findClass(LPCSTR name, HINSTANCE instance) {
    if (!name) return nullptr;
    auto& all = wm().classes;
    for (auto& c : all)
        if (!c->system && !(c->style & CS_GLOBALCLASS) && c->instance == instance && matches(*c, name)) return c;
    for (auto& c : all)
        if (!c->system && (c->style & CS_GLOBALCLASS) && matches(*c, name)) return c;
    for (auto& c : all)
        if (c->system && matches(*c, name)) return c;
    return nullptr;
}

}  // namespace win32

using namespace win32;

extern "C" {

ATOM WINAPI RegisterClassA(const WNDCLASSA* wc) {
    if (!wc || !wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName) || wc->cbWndExtra < 0 ||
        wc->cbClsExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    for (auto& c : wm().classes)
        if (!c->system && sameName(c->name, wc->lpszClassName) &&
            (c->instance == wc->hInstance || ((c->style | wc->style) & CS_GLOBALCLASS))) {
            SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return 0;
        }
    auto c = std::make_shared<WindowClass>();
    c->atom = wm().nextClassAtom++;
    c->name = wc->lpszClassName;
    c->style = wc->style;
    c->proc = wc->lpfnWndProc;
    c->clsExtra = wc->cbClsExtra;
    c->wndExtra = wc->cbWndExtra;
    c->instance = wc->hInstance;
    c->icon = wc->hIcon;
    c->cursor = wc->hCursor;
    c->background = wc->hbrBackground;
    if (wc->lpszMenuName && !IS_INTRESOURCE(wc->lpszMenuName)) c->menuName = wc->lpszMenuName;
    c->classExtra.assign((size_t)wc->cbClsExtra, 0);
    wm().classes.push_back(c);
    return c->atom;
}

BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE instance) {
    auto& all = wm().classes;
    for (auto it = all.begin(); it != all.end(); ++it) {
        WindowClass& c = **it;
        if (c.system || c.instance != instance || !matches(c, className)) continue;
        for (auto& [h, w] : wm().windows.all())
            if (!w->dead && w->cls.get() == &c) {
                SetLastError(ERROR_CLASS_ALREADY_EXISTS);  // the platform's "class has open windows"
                return FALSE;
            }
        all.erase(it);
        return TRUE;
    }
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
}

BOOL WINAPI GetClassInfoA(HINSTANCE instance, LPCSTR className, LPWNDCLASSA wc) {
    std::shared_ptr<WindowClass> c = findClass(className, instance);
    if (!c || !wc) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    wc->style = c->style & ~(UINT)(c->system ? CS_GLOBALCLASS : 0);
    wc->lpfnWndProc = c->proc;
    wc->cbClsExtra = c->clsExtra;
    wc->cbWndExtra = c->wndExtra;
    wc->hInstance = c->system ? nullptr : c->instance;
    wc->hIcon = c->icon;
    wc->hCursor = c->cursor;
    wc->hbrBackground = c->background;
    wc->lpszMenuName = c->menuName.empty() ? nullptr : c->menuName.c_str();
    wc->lpszClassName = className;
    return TRUE;
}

int WINAPI GetClassNameA(HWND hwnd, LPSTR buffer, int maxCount) {
    Window* w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (!buffer || maxCount <= 0) return 0;
    lstrcpynA(buffer, w->cls->name.c_str(), maxCount);
    return (int)std::strlen(buffer);
}

ULONG_PTR WINAPI GetClassLongPtrA(HWND hwnd, int index) {
    Window* w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    WindowClass& c = *w->cls;
    switch (index) {
    case GCLP_WNDPROC: return (ULONG_PTR)c.proc;
    case GCL_STYLE: return c.style;
    case GCLP_HBRBACKGROUND: return (ULONG_PTR)c.background;
    case GCLP_HMODULE: return (ULONG_PTR)c.instance;
    case GCW_ATOM: return c.atom;
    case GCL_CBWNDEXTRA: return (ULONG_PTR)c.wndExtra;
    case GCL_CBCLSEXTRA: return (ULONG_PTR)c.clsExtra;
    case GCLP_HICON: return (ULONG_PTR)c.icon;
    case GCLP_HCURSOR: return (ULONG_PTR)c.cursor;
    case GCLP_MENUNAME: return c.menuName.empty() ? 0 : (ULONG_PTR)c.menuName.c_str();
    default: break;
    }
    if (index >= 0 && (size_t)index + sizeof(ULONG_PTR) <= c.classExtra.size()) {
        ULONG_PTR v;
        std::memcpy(&v, c.classExtra.data() + index, sizeof v);
        return v;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

DWORD WINAPI GetClassLongA(HWND hwnd, int index) {
    if (index == GCLP_WNDPROC || index == GCLP_HBRBACKGROUND || index == GCLP_HMODULE || index == GCLP_HICON ||
        index == GCLP_HCURSOR || index == GCLP_MENUNAME) {
        SetLastError(ERROR_INVALID_INDEX);  // pointer-sized slots need the Ptr form on 64-bit
        return 0;
    }
    return (DWORD)GetClassLongPtrA(hwnd, index);
}

}  // extern "C"
