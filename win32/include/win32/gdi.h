/* Graphics calls (GDI32) of the stand-in <windows.h>. */
#ifndef WIN32_STANDIN_GDI_H
#define WIN32_STANDIN_GDI_H

#include "win32/types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Contexts */
HDC WINAPI CreateCompatibleDC(HDC hdc);
BOOL WINAPI DeleteDC(HDC hdc);
int WINAPI SaveDC(HDC hdc);
BOOL WINAPI RestoreDC(HDC hdc, int saved);
int WINAPI GetDeviceCaps(HDC hdc, int index);
HWND WINAPI WindowFromDC(HDC hdc);

/* Objects */
HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object);
BOOL WINAPI DeleteObject(HGDIOBJ object);
HGDIOBJ WINAPI GetStockObject(int index);
HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
DWORD WINAPI GetObjectType(HGDIOBJ object);
int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
HBRUSH WINAPI CreateSolidBrush(COLORREF color);
HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH *brush);
HFONT WINAPI CreateFontIndirectA(const LOGFONTA *font);
HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom);
HRGN WINAPI CreateRectRgnIndirect(const RECT *rect);

/* Colours and modes */
COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetTextColor(HDC hdc);
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetBkColor(HDC hdc);
int WINAPI SetBkMode(HDC hdc, int mode);
int WINAPI GetBkMode(HDC hdc);

/* Clipping */
int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
int WINAPI SelectClipRgn(HDC hdc, HRGN region);
int WINAPI GetClipBox(HDC hdc, LPRECT rect);

/* Drawing */
BOOL WINAPI PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
BOOL WINAPI BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
COLORREF WINAPI GetPixel(HDC hdc, int x, int y);
COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT *rect, LPCSTR text, UINT count,
                        const INT *dx);
BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR text, int count);
BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, LPSIZE size);
BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR text, int count, LPSIZE size);
BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA metrics);

/* Bitmaps */
HBITMAP WINAPI CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER *header, DWORD init, const void *bits,
                              const BITMAPINFO *info, UINT usage);
HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height);

#ifdef __cplusplus
}
#endif

#endif
