/* Window-manager calls (USER32) of the stand-in <windows.h>. */
#ifndef WIN32_STANDIN_USER_H
#define WIN32_STANDIN_USER_H

#include "win32/types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Classes */
ATOM WINAPI RegisterClassA(const WNDCLASSA *wc);
BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE instance);
BOOL WINAPI GetClassInfoA(HINSTANCE instance, LPCSTR className, LPWNDCLASSA wc);
int WINAPI GetClassNameA(HWND hwnd, LPSTR buffer, int maxCount);
ULONG_PTR WINAPI GetClassLongPtrA(HWND hwnd, int index);
DWORD WINAPI GetClassLongA(HWND hwnd, int index);

/* Windows */
HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
#define CreateWindowA(c, n, s, x, y, w, h, p, m, i, a) CreateWindowExA(0L, c, n, s, x, y, w, h, p, m, i, a)
BOOL WINAPI DestroyWindow(HWND hwnd);
BOOL WINAPI IsWindow(HWND hwnd);
BOOL WINAPI IsWindowVisible(HWND hwnd);
BOOL WINAPI IsWindowEnabled(HWND hwnd);
BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable);
BOOL WINAPI ShowWindow(HWND hwnd, int command);
BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
HWND WINAPI GetParent(HWND hwnd);
HWND WINAPI SetParent(HWND child, HWND newParent);
HWND WINAPI GetWindow(HWND hwnd, UINT relation);
HWND WINAPI GetDesktopWindow(void);
BOOL WINAPI IsChild(HWND parent, HWND hwnd);
HWND WINAPI GetDlgItem(HWND dialog, int id);
int WINAPI GetDlgCtrlID(HWND hwnd);
LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check);
UINT WINAPI IsDlgButtonChecked(HWND dialog, int id);
int WINAPI GetWindowTextA(HWND hwnd, LPSTR buffer, int maxCount);
int WINAPI GetWindowTextLengthA(HWND hwnd);
BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text);
BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int maxCount);

/* Modeless dialogs from an in-memory template (DLGTEMPLATE with UTF-16 strings, as in resources). */
HWND WINAPI CreateDialogIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate, HWND owner,
                                       DLGPROC dialogProc, LPARAM initParam);
LONG WINAPI GetDialogBaseUnits(void);
BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect);
BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);

/* Window longs: the pointer-sized forms are the real ones; the 32-bit forms truncate like Win64's. */
LONG_PTR WINAPI GetWindowLongPtrA(HWND hwnd, int index);
LONG_PTR WINAPI SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);
LONG WINAPI GetWindowLongA(HWND hwnd, int index);
LONG WINAPI SetWindowLongA(HWND hwnd, int index, LONG value);
WORD WINAPI GetWindowWord(HWND hwnd, int index);

/* Messages and procedures */
LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI DefDlgProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI PeekMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last, UINT remove);
LRESULT WINAPI DispatchMessageA(const MSG *msg);
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

/* Properties and atoms */
BOOL WINAPI SetPropA(HWND hwnd, LPCSTR name, HANDLE data);
HANDLE WINAPI GetPropA(HWND hwnd, LPCSTR name);
HANDLE WINAPI RemovePropA(HWND hwnd, LPCSTR name);
ATOM WINAPI GlobalAddAtomA(LPCSTR name);
ATOM WINAPI GlobalFindAtomA(LPCSTR name);
ATOM WINAPI GlobalDeleteAtom(ATOM atom);
UINT WINAPI GlobalGetAtomNameA(ATOM atom, LPSTR buffer, int size);

/* Hooks */
HHOOK WINAPI SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
BOOL WINAPI UnhookWindowsHookEx(HHOOK hook);
LRESULT WINAPI CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);

/* Focus, caret */
HWND WINAPI SetFocus(HWND hwnd);
HWND WINAPI GetFocus(void);
HWND WINAPI GetActiveWindow(void);
BOOL WINAPI CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
BOOL WINAPI DestroyCaret(void);
BOOL WINAPI HideCaret(HWND hwnd);
BOOL WINAPI ShowCaret(HWND hwnd);

/* Geometry */
BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect);
BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect);
BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point);
BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point);
int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL WINAPI SetRectEmpty(LPRECT rect);
BOOL WINAPI CopyRect(LPRECT dst, const RECT *src);
BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy);
BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy);
BOOL WINAPI IntersectRect(LPRECT dst, const RECT *a, const RECT *b);
BOOL WINAPI UnionRect(LPRECT dst, const RECT *a, const RECT *b);
BOOL WINAPI IsRectEmpty(const RECT *rect);
BOOL WINAPI EqualRect(const RECT *a, const RECT *b);
BOOL WINAPI PtInRect(const RECT *rect, POINT point);

/* Painting */
BOOL WINAPI InvalidateRect(HWND hwnd, const RECT *rect, BOOL erase);
BOOL WINAPI ValidateRect(HWND hwnd, const RECT *rect);
BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
BOOL WINAPI UpdateWindow(HWND hwnd);
BOOL WINAPI RedrawWindow(HWND hwnd, const RECT *rect, HRGN region, UINT flags);
int WINAPI ExcludeUpdateRgn(HDC hdc, HWND hwnd);
HDC WINAPI GetDC(HWND hwnd);
HDC WINAPI GetWindowDC(HWND hwnd);
int WINAPI ReleaseDC(HWND hwnd, HDC hdc);
HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT *paint);
int WINAPI FillRect(HDC hdc, const RECT *rect, HBRUSH brush);
int WINAPI FrameRect(HDC hdc, const RECT *rect, HBRUSH brush);
BOOL WINAPI DrawFocusRect(HDC hdc, const RECT *rect);
int WINAPI DrawTextA(HDC hdc, LPCSTR text, int count, LPRECT rect, UINT format);

/* System settings */
DWORD WINAPI GetSysColor(int index);
HBRUSH WINAPI GetSysColorBrush(int index);
BOOL WINAPI SetSysColors(int count, const INT *indices, const COLORREF *colors);
int WINAPI GetSystemMetrics(int index);

/* Strings (USER32 keeps the character-set helpers) */
LPSTR WINAPI CharNextA(LPCSTR current);
LPSTR WINAPI CharPrevA(LPCSTR start, LPCSTR current);
LPSTR WINAPI CharUpperA(LPSTR text);
LPSTR WINAPI CharLowerA(LPSTR text);
int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...);

#ifdef __cplusplus
}
#endif

#endif
