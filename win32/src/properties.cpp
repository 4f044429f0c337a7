// Window properties, named by a string (held as a global atom) or by an atom.
#include "window.h"

using namespace win32;

namespace {

std::pair<ATOM, HANDLE>* findProperty(Window& w, ATOM atom) {
    for (auto& p : w.properties)
        if (p.first == atom) return &p;
    return nullptr;
}

ATOM lookupAtom(LPCSTR name) {
    if (!name) return 0;
    if (IS_INTRESOURCE(name)) return LOWORD((ULONG_PTR)name);
    return GlobalFindAtomA(name);
}

}  // namespace

extern "C" {

BOOL WINAPI SetPropA(HWND hwnd, LPCSTR name, HANDLE data) {
    Window* w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (!name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    ATOM atom = lookupAtom(name);
    if (atom) {
        if (auto* p = findProperty(*w, atom)) {
            p->second = data;
            return TRUE;
        }
    }
    // A property named by a string holds a reference on the string's global atom.
    if (!IS_INTRESOURCE(name)) atom = GlobalAddAtomA(name);
    if (!atom) return FALSE;
    w->properties.emplace_back(atom, data);
    return TRUE;
}

HANDLE WINAPI GetPropA(HWND hwnd, LPCSTR name) {
    Window* w = findWindow(hwnd);
    if (!w) return nullptr;
    ATOM atom = lookupAtom(name);
    if (!atom) return nullptr;
    auto* p = findProperty(*w, atom);
    return p ? p->second : nullptr;
}

HANDLE WINAPI RemovePropA(HWND hwnd, LPCSTR name) {
    Window* w = findWindow(hwnd);
    if (!w) return nullptr;
    ATOM atom = lookupAtom(name);
    if (!atom) return nullptr;
    for (auto it = w->properties.begin(); it != w->properties.end(); ++it) {
        if (it->first != atom) continue;
        HANDLE data = it->second;
        w->properties.erase(it);
        if (!IS_INTRESOURCE(name)) GlobalDeleteAtom(atom);
        return data;
    }
    return nullptr;
}

}  // extern "C"
