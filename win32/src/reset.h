// The reset of every part of the stand-in, run by Win32Test_Reset.
#pragma once

namespace win32 {

// Runs the first reset if none has run yet.
void ensureStarted();
void resetSettings();
void resetFailures();
void resetWindowManager();
void resetGdi();
void resetHooks();
void resetAtoms();
void resetResources();
void resetMemory();
void resetCaret();
void resetPostedMessages();
void resetSearches();

}  // namespace win32
