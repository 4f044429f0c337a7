// The library's process-wide state and the routines shared between its source files.
#pragma once

#include "kirno32.h"

// Indices into KirnoState::colors, in the order the painters use them.
enum KirnoColor {
  kColorHighlight = 0,
  kColorFace = 1,
  kColorShadow = 2,
  kColorButtonText = 3,
  kColorWindow = 4,
  kColorWindowText = 5,
  kColorGrayText = 6,
  kColorWindowFrame = 7,
  kColorCount = 8
};

// Indices into KirnoState::brushes.
enum KirnoBrush { kBrushHighlight = 0, kBrushFace = 1, kBrushShadow = 2, kBrushCount = 3 };

// Entries of the class table, in lookup order.
enum KirnoClassEntry {
  kEntryButton = 0,
  kEntryListBox = 1,
  kEntryEdit = 2,
  kEntryComboBox = 3,
  kEntryStatic = 4,
  kEntryComboLBox = 5,
  kEntryCount = 6,
  kEntryDialog = -1  // the dialog procedure has no class record of its own
};

struct KirnoClassRecord {
  WNDPROC proc3d;     // our procedure for the class; null while unregistered
  WNDPROC classProc;  // the class's standard procedure, for windows created with proc3d directly
};

struct KirnoHookRecord {
  HINSTANCE instance;
  DWORD threadId;
  HHOOK hook;
};

enum { kMaxHookRecords = 32 };

struct KirnoState {
  HINSTANCE moduleInstance;
  BOOL enabled;
  int registrationCount;
  ATOM propertyAtom;
  WORD windowsVersion;
  BYTE dbcsEnabled;
  BYTE menuPrefixChar;
  COLORREF colors[kColorCount];
  HBRUSH brushes[kBrushCount];
  HBITMAP checkBitmap;
  KirnoClassRecord classRecords[kEntryCount];
  int dialogFrameX;
  int dialogFrameY;
  int captionHeight;
  KirnoHookRecord hookRecords[kMaxHookRecords];
  int hookCount;
  DWORD cachedThread;
  int cachedIndex;  // -1 when nothing is cached
  HWND pendingDialog;
};

extern KirnoState g_kirno;

// Forgets everything, as a freshly loaded library; the module handle is kept.
void KirnoResetState();

// Colour set and check bitmap (colors.cpp).
BOOL KirnoRebuildColors(BOOL force);
void KirnoReleaseColors();

// Subclassing (subclass.cpp).
void KirnoSubclassWindow(HWND window, WNDPROC proc);
WNDPROC KirnoPreviousProc(HWND window, int entry);
BOOL KirnoSubclassControl(HWND window, WORD types);
LRESULT KirnoDestroyWindow(HWND window, int entry, UINT message, WPARAM wParam, LPARAM lParam);
LPCSTR KirnoPropertyName();

// Automatic subclassing (auto_subclass.cpp).
void KirnoRemoveHookFor(HINSTANCE instance);

// Drawing primitives (edges.cpp).
void DrawEdges(HDC dc, const RECT* rect, int colorA, int colorB, UINT edges);
void DrawSunkenBorder(HDC dc, const RECT* rect, UINT edges);

// Edge bits for DrawEdges.
constexpr UINT kEdgeLeft = 0x01;
constexpr UINT kEdgeTop = 0x02;
constexpr UINT kEdgeRight = 0x04;
constexpr UINT kEdgeBottom = 0x08;
constexpr UINT kEdgeAll = 0x0F;
constexpr UINT kEdgeShortBottom = 0x1000;  // the bottom edge stops 2 pixels short of the right

// Control painting: buttons, borders of edit/list/combo controls, static controls.
void PaintButton(HWND window, HDC dc, UINT parts);
void PaintPushButton(HWND window, HDC dc, UINT kind, UINT state, BOOL enabled, const char* text);
void MeasureLabel(HDC dc, const char* text, int* width, int* height);
void DrawControlBorder(HWND window, BOOL caret, int entry);
void InvalidateBorder(HWND window, const WINDOWPOS* position);
void PaintStatic(HWND window, HDC dc);

// Parts mask for PaintButton.
constexpr UINT kPartLabel = 0x02;
constexpr UINT kPartImage = 0x04;  // push buttons are painted whole whatever the parts
constexpr UINT kPartFocus = 0x08;  // inverts: painting it twice removes it
constexpr UINT kPartErase = 0x10;  // erase with the parent's brush first (not group boxes)
constexpr UINT kPartCaptionStrip = 0x20;  // group boxes: let the parent repaint the caption strip

// Memory for the file walker and the bitmap copy: zero-filled, null on failure.
void* KirnoAlloc(SIZE_T size);
void KirnoFree(void* block);
