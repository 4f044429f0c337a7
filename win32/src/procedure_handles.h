// Procedure handles: what a dialog's DWLP_DLGPROC slot reads back as, callable only through CallWindowProc.
#pragma once

#include <windows.h>

namespace win32 {

// The handle standing for a procedure; the procedure itself when every handle is in use.
LONG_PTR procedureHandleFor(LONG_PTR procedure);
// The procedure behind a handle, or the value itself when it is no handle.
LONG_PTR procedureBehind(LONG_PTR value);
void resetProcedureHandles();

}  // namespace win32
