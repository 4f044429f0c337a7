// Countdown per failure kind, armed by Win32Test_FailAfter.
#include "failures.h"

namespace win32 {

namespace {
// -1: disarmed; n >= 0: n more calls succeed, then one fails.
int g_countdown[WIN32TEST_FAIL_COUNT] = {-1, -1, -1, -1, -1};
}  // namespace

void armFailure(Win32TestFailure kind, int countdown) { g_countdown[kind] = countdown; }

void resetFailures() {
    for (int& c : g_countdown) c = -1;
}

bool shouldFail(Win32TestFailure kind) {
    int& c = g_countdown[kind];
    if (c < 0) return false;
    if (c == 0) {
        c = -1;
        return true;
    }
    --c;
    return false;
}

}  // namespace win32

extern "C" void Win32Test_FailAfter(Win32TestFailure kind, int successesFirst) {
    if (kind < 0 || kind >= WIN32TEST_FAIL_COUNT) return;
    win32::armFailure(kind, successesFirst < 0 ? -1 : successesFirst);
}
