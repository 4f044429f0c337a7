// Ctl3dRegister / Ctl3dUnregister and the small state queries.
#include "kirno_state.h"

namespace {

struct ClassTableName {
  const char* name;
  WNDPROC proc3d;
};

const ClassTableName kClassProcs[kEntryCount] = {
    {"Button", BtnWndProc3d},   {"ListBox", ListWndProc3d},   {"Edit", EditWndProc3d},
    {"ComboBox", ComboWndProc3d}, {"Static", StaticWndProc3d}, {"ComboLBox", ListWndProc3d},
};

void ReadPlatformFacts() {
  DWORD version = GetVersion();
  BYTE major = LOBYTE(LOWORD(version));
  BYTE minor = HIBYTE(LOWORD(version));
  // Windows 95 and its kin report themselves as 3.x so that they get the 3-D look.
  if (version & 0x80000000u)
    g_kirno.windowsVersion = static_cast<WORD>(0x300 + minor);
  else
    g_kirno.windowsVersion = static_cast<WORD>(major * 256 + minor);
  g_kirno.dialogFrameX = GetSystemMetrics(SM_CXDLGFRAME) - 1;
  g_kirno.dialogFrameY = GetSystemMetrics(SM_CYDLGFRAME) - 1;
  g_kirno.captionHeight = GetSystemMetrics(SM_CYCAPTION);
}

BOOL DisplayHasColours() {
  HDC screen = GetDC(nullptr);
  BOOL ok = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL) >= 4;
  // An EGA screen cannot show the greys the look depends on.
  if (GetSystemMetrics(SM_CXSCREEN) == 640 && GetSystemMetrics(SM_CYSCREEN) == 350) ok = FALSE;
  ReleaseDC(nullptr, screen);
  return ok;
}

BOOL Initialise() {
  ReadPlatformFacts();
  // Newer platforms draw 3-D controls themselves.
  if (g_kirno.windowsVersion >= 0x0400) return FALSE;
  if (!DisplayHasColours()) return FALSE;
  g_kirno.enabled = TRUE;

  g_kirno.propertyAtom = GlobalAddAtomA("C3d");
  if (!g_kirno.propertyAtom) return FALSE;

  g_kirno.dbcsEnabled = GetSystemMetrics(SM_DBCSENABLED) ? 1 : 0;
  Ctl3dWinIniChange();

  if (!KirnoRebuildColors(TRUE)) return FALSE;

  for (int i = 0; i < kEntryCount; ++i) {
    g_kirno.classRecords[i].proc3d = kClassProcs[i].proc3d;
    WNDCLASSA info = {};
    g_kirno.classRecords[i].classProc =
        GetClassInfoA(nullptr, kClassProcs[i].name, &info) ? info.lpfnWndProc : nullptr;
  }
  return TRUE;
}

void Release() {
  for (KirnoClassRecord& record : g_kirno.classRecords) record.proc3d = nullptr;
  KirnoReleaseColors();
  g_kirno.enabled = FALSE;
}

}  // namespace

extern "C" BOOL WINAPI Ctl3dRegister(HINSTANCE) {
  if (g_kirno.registrationCount++ == 0) g_kirno.enabled = Initialise();
  return g_kirno.enabled;
}

extern "C" BOOL WINAPI Ctl3dUnregister(HINSTANCE instance) {
  KirnoRemoveHookFor(instance);
  // An unmatched call must not drive the count below zero: the next Ctl3dRegister
  // would then skip initialisation and leave the library without colours.
  if (g_kirno.registrationCount > 0 && --g_kirno.registrationCount == 0) Release();
  return TRUE;
}

extern "C" BOOL WINAPI Ctl3dEnabled(void) { return g_kirno.enabled; }

extern "C" WORD WINAPI Ctl3dGetVer(void) { return 0x0205; }

extern "C" BOOL WINAPI Ctl3dSetStyle(HANDLE, LPSTR, int) { return FALSE; }

extern "C" HBRUSH WINAPI Ctl3dCtlColor(HDC, HWND) { return nullptr; }
