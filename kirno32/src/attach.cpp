// Library entry point: remembers the module handle; everything else waits for Ctl3dRegister.
#include "kirno_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_kirno.moduleInstance = module;
    g_kirno.cachedIndex = -1;
  }
  return TRUE;
}
