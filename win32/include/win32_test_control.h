/* Test control of the Win32 stand-in: reset, platform settings, resources, pixel reads and call records.
 *
 * The stand-in models one desktop in one process. Calls from several threads must not overlap (join a
 * helper thread before the main thread goes on); each thread has its own id and its own hooks.
 *
 * What this models, and what it does not
 *   Modelled after Microsoft's documentation of the calls: one screen that every window draws on,
 *   clipped by the window tree; update regions and their spread to children; the order of the focus
 *   messages; DWLP_DLGPROC read back as a procedure handle; fonts with different metrics; separate
 *   scroll-bar thickness and arrow metrics. Not modelled: a message loop and input, timers, real
 *   glyph shapes and font mapping, pens and lines, shapes other than rectangles, palettes, DPI,
 *   Unicode (ANSI calls only), window activation beyond WM_NCACTIVATE, non-client hit testing, and
 *   saving the bits under a window (an uncovered area is invalidated, never restored).
 *
 * Pixels: one screen
 *   The screen is one picture of SM_CXSCREEN x SM_CYSCREEN pixels in 0x00BBGGRR (COLORREF) layout,
 *   WIN32TEST_UNPAINTED after a reset or a change of screen size. Window and client DCs draw straight
 *   into it, so a later drawing wins as on a real display, within what the window tree allows: a DC
 *   of a window that is not visible (itself or an ancestor lacks WS_VISIBLE) draws nothing; a child
 *   draws only inside its ancestors' client areas; a window with WS_CLIPSIBLINGS, and every top-level
 *   window, leaves out the visible siblings above it in the z-order (the first child is the top);
 *   the DC of a WS_CLIPCHILDREN window leaves out its visible children; without those styles a
 *   window paints over whatever lies there. A client DC maps client coordinates onto the client
 *   area, a window DC covers the window rectangle. Win32Test_GetPixel and the bitmap savers read
 *   the screen at the window's place (what it shows there, children and windows above included).
 *   There is no message loop: WM_PAINT is sent by UpdateWindow (and RedrawWindow with RDW_UPDATENOW),
 *   to the window and then to its children, so a full repaint cycle paints parents before children;
 *   WM_NCPAINT goes first when the frame needs painting (after showing or resizing).
 *
 * Invalidation
 *   InvalidateRect and RedrawWindow(RDW_INVALIDATE) on a window without WS_CLIPCHILDREN also
 *   invalidate the part of each visible child beneath the rectangle, and on down while a child does
 *   not clip its own children (RDW_NOCHILDREN keeps them out, RDW_ALLCHILDREN takes every child
 *   whole); a share reaching a child's frame marks the frame. Only the caller's own InvalidateRect
 *   calls are recorded (Win32Test_GetInvalidations). Showing, moving, sizing and hiding invalidate
 *   what the platform would: the window itself, and what it uncovered in its parent, the parent's
 *   other children and the top-level windows beneath. During WM_NCCALCSIZE the window still has its
 *   old rectangle; the record's rectangles are in the parent's client coordinates.
 *
 * Focus
 *   SetFocus sends WM_KILLFOCUS (wParam: the window gaining the focus) while GetFocus still answers
 *   the old window, then moves the focus, then sends WM_SETFOCUS (wParam: the window that lost it)
 *   with GetFocus answering the new one. A window that moves the focus during its WM_KILLFOCUS keeps
 *   that change. Hiding, disabling or destroying the focus window sets the focus to none.
 *
 * Files
 *   The Linux root is drive Z: ("Z:\tmp\x" is "/tmp/x"); both separators are accepted, "." and ".."
 *   fold as text, names are found without case, and the current directory keeps the spelling it was
 *   set with (it is also the process's real directory). It must fit MAX_PATH with its final
 *   backslash. FindFirstFile lists "." and ".." except in the root, sorts names as NTFS does (without
 *   case), marks Unix dot-files hidden and has no 8.3 short names.
 *
 * Text metric
 *   Every byte of a font is one cell. The stock fonts (the DC's default SYSTEM_FONT, DEFAULT_GUI_FONT
 *   and the rest) have cells 6 pixels wide and 13 high (ascent 10, descent 3, no leading), so a string
 *   of n bytes extends n*6 x 13; dialog units are based on this metric. A font made by
 *   CreateFontIndirect is |lfHeight| high (13 when 0), lfWidth wide or else height*6/13, with its
 *   ascent at height*10/13. An empty string extends 0 x 0 through GetTextExtentPoint32.
 *   A glyph of a byte above the space (0x20) is a solid block of the text colour covering cell
 *   columns 1..width-2 and rows 2..ascent-1 (for the stock metric x+1..x+4, y+2..y+9); a space and
 *   control bytes draw no ink. In OPAQUE background mode the whole cell is first filled with the
 *   background colour. A mnemonic underline (DrawText without DT_NOPREFIX, "&x") is row ascent+1 of
 *   the cell, all its columns, in the text colour. Tab stops (DT_EXPANDTABS) are every 8 cells.
 *
 * DrawText
 *   A single line (DT_SINGLELINE) is placed at top + (height - font height) / 2 with DT_VCENTER
 *   (rounded toward zero) and at bottom - font height with DT_BOTTOM; DT_CENTER places it at
 *   left + (width - text width) / 2.
 *   Other text is split at CR, LF and CR LF, and with DT_WORDBREAK wrapped greedily at spaces (a word
 *   wider than the line stays whole). Output is clipped to the rectangle unless DT_NOCLIP.
 *
 * Focus rectangle
 *   DrawFocusRect inverts (XOR 0xFFFFFF) the pixels of the rectangle's one-pixel outline whose screen
 *   coordinates (x + y) are even, a dotted line; drawing it twice restores the pixels.
 *
 * Objects
 *   DeleteObject refuses (FALSE) an object that is selected into a DC, as the platform documents; stock
 *   objects and GetSysColorBrush brushes ignore deletion. A bitmap is selected into one memory DC at a
 *   time. CreateDIBitmap against a memory DC that still holds its 1 x 1 default bitmap gives a monochrome
 *   bitmap, as on the platform; against a window or screen DC, or NULL, a colour one.
 *
 * System controls (minimal models of the platform's)
 *   "Button": BM_GETCHECK/BM_SETCHECK (clamped to what the kind allows), BM_GETSTATE/BM_SETSTATE
 *   (mark bits, BST_PUSHED, BST_FOCUS), focus, click, text and font; state changes repaint at once with
 *   a DC of its own, and only while the button is visible. "Static", "Edit", "ListBox", "ComboLBox"
 *   keep text, font and items and paint plainly on the colour their parent answers. "ComboBox":
 *   CBS_SIMPLE has two children, first a "ComboLBox" (id 1000) and then an "Edit" (id 1001) 19 pixels
 *   high on top; CBS_DROPDOWN and CBS_DROPDOWNLIST are resized to 21 pixels high at creation, keep
 *   their list as an owned pop-up (not a child) and CBS_DROPDOWN has one child, its "Edit" (id 1001),
 *   as wide as the box less the scroll-bar width. The edit field creates its caret when it gets the
 *   focus. "#32770" (WC_DIALOG) runs DefDlgProc with the DWLP_ slots.
 *
 * Dialog procedure slot
 *   As Windows documents for GetWindowLongPtr, the DWLP_DLGPROC slot of a dialog (a window of a class
 *   whose procedure is DefDlgProc, or one made by CreateDialog*) reads back as a handle that only
 *   CallWindowProc can call; here it always does. SetWindowLongPtr takes either the handle or a
 *   procedure. Calling the handle directly reaches a trap that does nothing, returns 0 and is counted
 *   (Win32Test_DirectProcedureHandleCalls). GWLP_WNDPROC reads back as the procedure itself, as it does
 *   on Windows when caller and window agree on ANSI.
 *
 * Default frame (WM_NCPAINT): a one-pixel window-frame outline, then the dialog-frame band in the face
 *   colour (or the sizing band in the border colour), the caption bar in the active or inactive caption
 *   colour (as set by WM_NCACTIVATE, inactive at first) with its text, scroll-bar areas in the scroll-bar
 *   colour.
 *
 * Default platform (after Win32Test_Reset)
 *   GetVersion 0x04213303 (Windows NT 3.51: major 3, minor 51); screen 1024 x 768, 1 plane x 32 bits per pixel;
 *   metrics: caption 18, borders 1, dialog frame 3, sizing frame 4, scroll bars 16 thick (SM_CXVSCROLL,
 *   SM_CYHSCROLL) with arrows of 14 (SM_CYVSCROLL, SM_CXHSCROLL; Windows keeps the two as separate
 *   settings, and they differ here so that one used for the other shows), edges 2,
 *   DBCS disabled; the classic grey colour scheme (button face 0xC0C0C0, shadow 0x808080,
 *   highlight 0xFFFFFF, window 0xFFFFFF, window frame and texts 0, grey text 0x808080);
 *   no profile strings.
 */
#ifndef WIN32_STANDIN_TEST_CONTROL_H
#define WIN32_STANDIN_TEST_CONTROL_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#define WIN32TEST_UNPAINTED ((COLORREF)0x00FF00FF)

/* The stock fonts' text metric */
#define WIN32TEST_CHAR_WIDTH 6
#define WIN32TEST_CHAR_HEIGHT 13
#define WIN32TEST_CHAR_ASCENT 10

/* Destroys every window, class, hook, GDI object, atom, resource, module and memory block of the
 * stand-in and restores the default platform settings. Call it at the start of every test.
 * The process's real current directory is left as it is. */
void Win32Test_Reset(void);

/* Platform settings read by GetSysColor, GetSystemMetrics, GetVersion, GetDeviceCaps, GetProfileString. */
void Win32Test_SetSysColor(int index, COLORREF color);
void Win32Test_SetSystemMetric(int index, int value);
/* The raw GetVersion value: low byte major, next byte minor, bit 31 set on platforms other than NT. */
void Win32Test_SetVersion(DWORD version);
void Win32Test_SetDeviceCaps(int index, int value);
/* Sets SM_CXSCREEN/SM_CYSCREEN and HORZRES/VERTRES together. */
void Win32Test_SetScreenSize(int width, int height);
/* value NULL removes the key. Section and key names compare without case. */
void Win32Test_SetProfileString(LPCSTR section, LPCSTR key, LPCSTR value);
/* Lead bytes of the double-byte code page (IsDBCSLeadByte, CharNext); first > last means none. */
void Win32Test_SetDbcsLeadBytes(BYTE first, BYTE last);

/* Modules and resources. A module made here is a valid HINSTANCE for hooks, classes and resources.
 * A resource is kept as a copy of the given bytes; an RT_BITMAP resource holds a packed DIB
 * (BITMAPINFOHEADER, colour table, bits) without the file header. type and name are either
 * MAKEINTRESOURCE numbers or strings. */
HINSTANCE Win32Test_CreateModule(LPCSTR name);
BOOL Win32Test_AddResource(HINSTANCE module, LPCSTR type, LPCSTR name, const void *data, DWORD size);
/* A module whose image a test loader has mapped: its handle is the image's base address, as on the
 * platform (NULL when that value is already a handle). Its mapped resources are not copied:
 * LoadResource answers the given address inside the image, which stays the loader's. */
HINSTANCE Win32Test_CreateModuleAt(LPCSTR name, void *imageBase);
BOOL Win32Test_AddMappedResource(HINSTANCE module, LPCSTR type, LPCSTR name, const void *data, DWORD size);

/* Failure injection: after `successesFirst` more successful calls of the kind, the next call fails
 * (once) as the platform reports it; a negative value disarms. */
typedef enum Win32TestFailure {
    WIN32TEST_FAIL_MEMORY,        /* GlobalAlloc, LocalAlloc, HeapAlloc */
    WIN32TEST_FAIL_ATOM,          /* GlobalAddAtom */
    WIN32TEST_FAIL_HOOK,          /* SetWindowsHookEx */
    WIN32TEST_FAIL_GDI_OBJECT,    /* CreateSolidBrush, CreateDIBitmap, CreateCompatibleBitmap, fonts, regions */
    WIN32TEST_FAIL_DC,            /* GetDC, GetWindowDC, CreateCompatibleDC */
    WIN32TEST_FAIL_COUNT
} Win32TestFailure;
void Win32Test_FailAfter(Win32TestFailure kind, int successesFirst);

/* GDI objects (brushes, bitmaps, fonts, regions): created since the last reset, and still alive.
 * Stock objects and system-colour brushes are not counted. */
int Win32Test_CreatedGdiObjects(void);
int Win32Test_LiveGdiObjects(void);
/* DCs handed out by GetDC/GetWindowDC/BeginPaint/CreateCompatibleDC and not yet released or deleted. */
int Win32Test_OpenDCs(void);

/* Memory blocks of GlobalAlloc, LocalAlloc and HeapAlloc not yet freed. */
int Win32Test_LiveMemoryBlocks(void);

/* The screen's pixels at a window's place, in window coordinates; CLR_INVALID outside the window or
 * the screen. */
COLORREF Win32Test_GetPixel(HWND hwnd, int x, int y);
void Win32Test_SetPixel(HWND hwnd, int x, int y, COLORREF color);
/* Fills what the window covers on the screen (its children's area included, siblings above and
 * whatever lies outside its ancestors left out), e.g. with a sentinel before a paint under test. */
void Win32Test_FillWindow(HWND hwnd, COLORREF color);
/* Writes the screen's pixels at the window's place as a 24-bit BMP file, for looking at a failure. */
BOOL Win32Test_SaveWindowBitmap(HWND hwnd, LPCSTR linuxPath);

/* The same as Win32Test_SaveWindowBitmap: the screen already shows the window with whatever is drawn
 * over it. */
BOOL Win32Test_SaveCompositeBitmap(HWND hwnd, LPCSTR linuxPath);

/* Calls that reached a procedure handle directly instead of through CallWindowProc (each such call
 * does nothing and returns 0). */
int Win32Test_DirectProcedureHandleCalls(void);

/* Pixels of a bitmap object (for example one made by CreateDIBitmap), CLR_INVALID outside it. */
COLORREF Win32Test_GetBitmapPixel(HBITMAP bitmap, int x, int y);

/* InvalidateRect calls made by callers (not the stand-in's own invalidations), per window, in order. */
typedef struct Win32TestInvalidation {
    RECT rect;  /* client coordinates; the whole client rectangle when the call passed NULL */
    BOOL erase;
} Win32TestInvalidation;
int Win32Test_GetInvalidations(HWND hwnd, Win32TestInvalidation *out, int max);
void Win32Test_ClearInvalidations(void);
/* Whether the window's pending update asks for erasing (what BeginPaint would report as fErase). */
BOOL Win32Test_UpdateNeedsErase(HWND hwnd);

/* Caret: HideCaret/ShowCaret calls that succeeded since the reset, and the current hide level. */
int Win32Test_CaretHideCalls(void);
int Win32Test_CaretShowCalls(void);
int Win32Test_CaretHideLevel(void);

/* Windows linear path of a Linux path and back ("/tmp/x" <-> "Z:\\tmp\\x"); 0 when it does not fit. */
DWORD Win32Test_ToWindowsPath(const char *linuxPath, LPSTR buffer, DWORD size);
DWORD Win32Test_ToLinuxPath(LPCSTR windowsPath, char *buffer, DWORD size);

#ifdef __cplusplus
}
#endif

#endif
