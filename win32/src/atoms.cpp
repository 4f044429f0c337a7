// The global atom table: integer atoms below 0xC000, counted string atoms from 0xC000, names without case.
#include "failures.h"
#include "window.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

using namespace win32;

namespace {

struct AtomEntry {
    std::string name;
    int references = 0;
};

std::map<ATOM, AtomEntry> g_atoms;
ATOM g_nextAtom = 0xC000;

// "#123" and MAKEINTATOM(123) are the integer atom 123; 0 means the name is a string or invalid.
ATOM integerAtom(LPCSTR name, bool* valid) {
    *valid = true;
    if (IS_INTRESOURCE(name)) {
        ATOM a = LOWORD((ULONG_PTR)name);
        if (a == 0 || a >= 0xC000) *valid = false;
        return a;
    }
    if (name[0] != '#') return 0;
    char* end = nullptr;
    unsigned long v = std::strtoul(name + 1, &end, 10);
    if (end == name + 1 || *end) return 0;
    if (v == 0 || v >= 0xC000) *valid = false;
    return (ATOM)v;
}

ATOM findString(LPCSTR name) {
    for (auto& [atom, e] : g_atoms)
        if (lstrcmpiA(e.name.c_str(), name) == 0) return atom;
    return 0;
}

}  // namespace

namespace win32 {
void resetAtoms() {
    g_atoms.clear();
    g_nextAtom = 0xC000;
}
}  // namespace win32

extern "C" {

ATOM WINAPI GlobalAddAtomA(LPCSTR name) {
    if (!name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (shouldFail(WIN32TEST_FAIL_ATOM)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    bool valid;
    ATOM a = integerAtom(name, &valid);
    if (!valid) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (a) return a;
    if (std::strlen(name) > 255 || !*name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    a = findString(name);
    if (!a) {
        if (g_nextAtom == 0) {  // the table is full
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 0;
        }
        a = g_nextAtom++;
        g_atoms[a].name = name;
    }
    ++g_atoms[a].references;
    return a;
}

ATOM WINAPI GlobalFindAtomA(LPCSTR name) {
    if (!name) return 0;
    bool valid;
    ATOM a = integerAtom(name, &valid);
    if (!valid) return 0;
    if (a) return a;
    a = findString(name);
    if (!a) SetLastError(ERROR_FILE_NOT_FOUND);
    return a;
}

// Returns 0 on success and the atom itself when it did not exist.
ATOM WINAPI GlobalDeleteAtom(ATOM atom) {
    if (atom < 0xC000) return 0;
    auto it = g_atoms.find(atom);
    if (it == g_atoms.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return atom;
    }
    if (--it->second.references <= 0) g_atoms.erase(it);
    return 0;
}

UINT WINAPI GlobalGetAtomNameA(ATOM atom, LPSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    std::string name;
    if (atom == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (atom < 0xC000) {
        name = "#" + std::to_string(atom);
    } else {
        auto it = g_atoms.find(atom);
        if (it == g_atoms.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return 0;
        }
        name = it->second.name;
    }
    lstrcpynA(buffer, name.c_str(), size);
    return (UINT)std::strlen(buffer);
}

}  // extern "C"
