// Procedure handles: the value Windows may hand out instead of a procedure's address, to be called
// only through CallWindowProc. Each handle is a small trap procedure of its own, so that a caller
// who calls the value directly does not crash the test but reaches nothing and is counted.
#include "procedure_handles.h"

#include <array>
#include <utility>

namespace {

constexpr int kHandles = 64;

LONG_PTR g_behind[kHandles] = {};
int g_directCalls = 0;

template <int N>
LRESULT CALLBACK trap(HWND, UINT, WPARAM, LPARAM) {
    ++g_directCalls;
    return 0;
}

template <int... N>
constexpr auto makeTraps(std::integer_sequence<int, N...>) {
    return std::array<WNDPROC, sizeof...(N)>{&trap<N>...};
}

const std::array<WNDPROC, kHandles> g_traps = makeTraps(std::make_integer_sequence<int, kHandles>{});
}

namespace win32 {

LONG_PTR procedureHandleFor(LONG_PTR procedure) {
    if (!procedure) return 0;
    int free = -1;
    for (int i = 0; i < kHandles; ++i) {
        if (g_behind[i] == procedure) return (LONG_PTR)g_traps[(size_t)i];
        if (!g_behind[i] && free < 0) free = i;
    }
    if (free < 0) return procedure;
    g_behind[free] = procedure;
    return (LONG_PTR)g_traps[(size_t)free];
}

LONG_PTR procedureBehind(LONG_PTR value) {
    for (int i = 0; i < kHandles; ++i)
        if ((LONG_PTR)g_traps[(size_t)i] == value && g_behind[i]) return g_behind[i];
    return value;
}

void resetProcedureHandles() {
    for (LONG_PTR& p : g_behind) p = 0;
    g_directCalls = 0;
}

}  // namespace win32

extern "C" int Win32Test_DirectProcedureHandleCalls(void) { return g_directCalls; }
