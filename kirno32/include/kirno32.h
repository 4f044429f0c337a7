// The exported interface of kirno32: 3-D dialog controls and the file walker.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// Type masks for the subclassing calls.
#define KIRNO_TYPE_BUTTONS 0x0001
#define KIRNO_TYPE_LISTBOXES 0x0002
#define KIRNO_TYPE_EDITS 0x0004
#define KIRNO_TYPE_COMBOS 0x0008
#define KIRNO_TYPE_STATIC_TEXTS 0x0010
#define KIRNO_TYPE_STATIC_FRAMES 0x0020
#define KIRNO_TYPE_ALL 0xFFFF

// Private messages: announced before a window is subclassed, and before a dialog frame is
// painted. The lParam, when not null, points at an int set to 1 that the window may clear to
// opt out; a window may also subclass itself in reply to KIRNO_MSG_SUBCLASS.
#define KIRNO_MSG_FRAME 0x11EF
#define KIRNO_MSG_SUBCLASS 0x11F0

// The library's bitmap resource with the check-box and radio-button cells.
#define KIRNO_CHECK_BITMAP_ID 26567

BOOL WINAPI Ctl3dRegister(HINSTANCE instance);
BOOL WINAPI Ctl3dUnregister(HINSTANCE instance);
BOOL WINAPI Ctl3dAutoSubclass(HINSTANCE instance);
BOOL WINAPI Ctl3dSubclassDlg(HWND dialog, WORD types);
BOOL WINAPI Ctl3dSubclassDlgEx(HWND dialog, DWORD types);
BOOL WINAPI Ctl3dSubclassCtl(HWND control);
HBRUSH WINAPI Ctl3dCtlColor(HDC dc, HWND window);
HBRUSH WINAPI Ctl3dCtlColorEx(UINT message, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI Ctl3dDlgFramePaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK Ctl3dDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL WINAPI Ctl3dSetStyle(HANDLE unused1, LPSTR unused2, int unused3);
WORD WINAPI Ctl3dGetVer(void);
BOOL WINAPI Ctl3dEnabled(void);
BOOL WINAPI Ctl3dColorChange(void);
void WINAPI Ctl3dWinIniChange(void);

LRESULT CALLBACK BtnWndProc3d(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditWndProc3d(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListWndProc3d(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboWndProc3d(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticWndProc3d(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Called with the full path of each matching file; a non-zero result stops the walk.
typedef int(WINAPI* ENUMFILEPROC)(const char* path);
int WINAPI EnumFile(const char* directory, const char* pattern, int recurse, ENUMFILEPROC callback);

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved);

#ifdef __cplusplus
}
#endif
