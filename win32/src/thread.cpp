// Thread identity and the per-thread last error; small KERNEL32 odds and ends.
#include <windows.h>

#include <atomic>
#include <cstdint>

namespace {

std::atomic<DWORD> g_nextThreadId{0x100};
thread_local DWORD t_threadId = 0;
thread_local DWORD t_lastError = 0;

}  // namespace

extern "C" {

DWORD WINAPI GetCurrentThreadId(void) {
    if (!t_threadId) t_threadId = g_nextThreadId.fetch_add(4);
    return t_threadId;
}

DWORD WINAPI GetLastError(void) { return t_lastError; }

void WINAPI SetLastError(DWORD error) { t_lastError = error; }

BOOL WINAPI DisableThreadLibraryCalls(HMODULE) { return TRUE; }

// Rounds half away from zero; -1 when the denominator is 0 or the result overflows.
int WINAPI MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    int64_t product = (int64_t)number * numerator;
    int64_t half = (denominator < 0 ? -denominator : denominator) / 2;
    bool negative = (product < 0) != (denominator < 0);
    int64_t a = product < 0 ? -product : product;
    int64_t d = denominator < 0 ? -(int64_t)denominator : denominator;
    int64_t q = (a + half) / d;
    if (negative) q = -q;
    if (q > INT32_MAX || q < INT32_MIN) return -1;
    return (int)q;
}

}  // extern "C"
