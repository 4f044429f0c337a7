/* Kernel calls (KERNEL32) of the stand-in <windows.h>: version, threads, memory, resources, strings, files. */
#ifndef WIN32_STANDIN_KERNEL_H
#define WIN32_STANDIN_KERNEL_H

#include "win32/types.h"

#ifdef __cplusplus
extern "C" {
#endif

DWORD WINAPI GetVersion(void);
BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA info);
DWORD WINAPI GetCurrentThreadId(void);
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD error);
HMODULE WINAPI GetModuleHandleA(LPCSTR name);
BOOL WINAPI DisableThreadLibraryCalls(HMODULE module);
int WINAPI MulDiv(int number, int numerator, int denominator);

/* Memory */
HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
LPVOID WINAPI GlobalLock(HGLOBAL memory);
BOOL WINAPI GlobalUnlock(HGLOBAL memory);
HGLOBAL WINAPI GlobalFree(HGLOBAL memory);
SIZE_T WINAPI GlobalSize(HGLOBAL memory);
HGLOBAL WINAPI GlobalHandle(LPCVOID pointer);
HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T bytes);
LPVOID WINAPI LocalLock(HLOCAL memory);
BOOL WINAPI LocalUnlock(HLOCAL memory);
HLOCAL WINAPI LocalFree(HLOCAL memory);
HANDLE WINAPI GetProcessHeap(void);
LPVOID WINAPI HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes);
BOOL WINAPI HeapFree(HANDLE heap, DWORD flags, LPVOID memory);

/* Resources */
HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);
HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
LPVOID WINAPI LockResource(HGLOBAL resource);
BOOL WINAPI FreeResource(HGLOBAL resource);

/* Profile */
DWORD WINAPI GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size);
UINT WINAPI GetProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue);

/* Strings */
int WINAPI lstrcmpA(LPCSTR a, LPCSTR b);
int WINAPI lstrcmpiA(LPCSTR a, LPCSTR b);
int WINAPI lstrlenA(LPCSTR text);
LPSTR WINAPI lstrcpyA(LPSTR dst, LPCSTR src);
LPSTR WINAPI lstrcpynA(LPSTR dst, LPCSTR src, int max);
LPSTR WINAPI lstrcatA(LPSTR dst, LPCSTR src);
BOOL WINAPI IsDBCSLeadByte(BYTE byte);

/* Files and the current directory */
HANDLE WINAPI FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data);
BOOL WINAPI FindNextFileA(HANDLE find, LPWIN32_FIND_DATAA data);
BOOL WINAPI FindClose(HANDLE find);
DWORD WINAPI GetCurrentDirectoryA(DWORD size, LPSTR buffer);
BOOL WINAPI SetCurrentDirectoryA(LPCSTR path);
DWORD WINAPI GetFullPathNameA(LPCSTR path, DWORD size, LPSTR buffer, LPSTR *filePart);
DWORD WINAPI GetFileAttributesA(LPCSTR path);

#ifdef __cplusplus
}
#endif

#endif
