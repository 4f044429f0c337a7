// Failure injection for the tests: a platform call of a kind fails once after a number of successes.
#pragma once

#include "win32_test_control.h"

namespace win32 {

// True when this call of the kind is the one that must fail.
bool shouldFail(Win32TestFailure kind);
void resetFailures();
void armFailure(Win32TestFailure kind, int countdown);

}  // namespace win32
