// The colour set: system colours, the three brushes and the check bitmap recoloured to match.
#include "kirno_state.h"

namespace {

// The system colour read for each entry of the colour set.
const int kSystemColorIndex[kColorCount] = {
    COLOR_BTNHIGHLIGHT, COLOR_BTNFACE, COLOR_BTNSHADOW,  COLOR_BTNTEXT,
    COLOR_WINDOW,       COLOR_WINDOWTEXT, COLOR_GRAYTEXT, COLOR_WINDOWFRAME,
};

// Which colour-table entry of the check bitmap stands for which colour of the set.
struct TablePatch {
  int tableEntry;
  int color;
};
const TablePatch kTablePatches[] = {
    {0, kColorWindowText}, {7, kColorShadow},  {8, kColorFace},
    {10, kColorWindowFrame}, {11, kColorWindow}, {15, kColorHighlight},
};

const int kTableEntries = 16;

void ReadColors(COLORREF* set) {
  for (int i = 0; i < kColorCount; ++i) set[i] = GetSysColor(kSystemColorIndex[i]);
  if (g_kirno.windowsVersion == 0x300) set[kColorHighlight] = RGB(255, 255, 255);
  // Disabled text must stay readable on the face.
  if (set[kColorGrayText] == 0 || set[kColorGrayText] == set[kColorFace])
    set[kColorGrayText] = set[kColorFace] == RGB(128, 128, 128) ? RGB(192, 192, 192) : RGB(128, 128, 128);
}

BOOL SameColors(const COLORREF* a, const COLORREF* b) {
  for (int i = 0; i < kColorCount; ++i)
    if (a[i] != b[i]) return FALSE;
  return TRUE;
}

// The resource is trusted no further than its size: a header or bits that do not fit
// in it give no bitmap rather than a read past its end.
BOOL ResourceLooksValid(const BITMAPINFOHEADER* header, DWORD size) {
  if (size < sizeof(BITMAPINFOHEADER) || header->biSize < sizeof(BITMAPINFOHEADER) || header->biSize > size)
    return FALSE;
  if (header->biBitCount != 4 || header->biCompression != BI_RGB) return FALSE;
  if (header->biClrUsed != 0 && header->biClrUsed != kTableEntries) return FALSE;  // the patches need all 16
  if (header->biWidth <= 0 || header->biHeight == 0 || header->biWidth > 4096) return FALSE;
  LONG rows = header->biHeight < 0 ? -header->biHeight : header->biHeight;
  if (rows > 4096) return FALSE;
  DWORD stride = ((static_cast<DWORD>(header->biWidth) * 4 + 31) / 32) * 4;
  DWORD needed = header->biSize + kTableEntries * sizeof(RGBQUAD) + stride * static_cast<DWORD>(rows);
  return needed <= size;
}

HBITMAP BuildCheckBitmap(const COLORREF* set) {
  HRSRC found = FindResourceA(g_kirno.moduleInstance, MAKEINTRESOURCEA(KIRNO_CHECK_BITMAP_ID),
                              MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  if (!found) return nullptr;
  DWORD size = SizeofResource(g_kirno.moduleInstance, found);
  HGLOBAL loaded = LoadResource(g_kirno.moduleInstance, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data || !ResourceLooksValid(static_cast<const BITMAPINFOHEADER*>(data), size)) return nullptr;

  // Resources are read-only: patch a copy.
  BYTE* copy = static_cast<BYTE*>(KirnoAlloc(size));
  if (!copy) return nullptr;
  const BYTE* source = static_cast<const BYTE*>(data);
  for (DWORD i = 0; i < size; ++i) copy[i] = source[i];

  BITMAPINFOHEADER* header = reinterpret_cast<BITMAPINFOHEADER*>(copy);
  RGBQUAD* table = reinterpret_cast<RGBQUAD*>(copy + header->biSize);
  for (const TablePatch& patch : kTablePatches) {
    COLORREF color = set[patch.color];
    table[patch.tableEntry].rgbRed = GetRValue(color);
    table[patch.tableEntry].rgbGreen = GetGValue(color);
    table[patch.tableEntry].rgbBlue = GetBValue(color);
    table[patch.tableEntry].rgbReserved = 0;
  }
  const BYTE* bits = copy + header->biSize + kTableEntries * sizeof(RGBQUAD);

  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBitmap(screen, header, CBM_INIT, bits,
                                  reinterpret_cast<const BITMAPINFO*>(header), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  KirnoFree(copy);
  return bitmap;
}

}  // namespace

BOOL KirnoRebuildColors(BOOL force) {
  if (!g_kirno.enabled) return FALSE;

  COLORREF set[kColorCount];
  ReadColors(set);
  if (!force && SameColors(set, g_kirno.colors)) return TRUE;

  HBITMAP bitmap = BuildCheckBitmap(set);
  HBRUSH brushes[kBrushCount];
  for (int i = 0; i < kBrushCount; ++i) brushes[i] = CreateSolidBrush(set[i]);

  BOOL complete = bitmap != nullptr;
  for (HBRUSH brush : brushes) complete = complete && brush != nullptr;
  if (!complete) {
    // Keep the colours in force; throw away the half-built set.
    for (HBRUSH brush : brushes)
      if (brush) DeleteObject(brush);
    if (bitmap) DeleteObject(bitmap);
    return FALSE;
  }

  KirnoReleaseColors();
  for (int i = 0; i < kBrushCount; ++i) g_kirno.brushes[i] = brushes[i];
  g_kirno.checkBitmap = bitmap;
  for (int i = 0; i < kColorCount; ++i) g_kirno.colors[i] = set[i];
  return TRUE;
}

void KirnoReleaseColors() {
  for (HBRUSH& brush : g_kirno.brushes) {
    if (brush) DeleteObject(brush);
    brush = nullptr;
  }
  if (g_kirno.checkBitmap) DeleteObject(g_kirno.checkBitmap);
  g_kirno.checkBitmap = nullptr;
}

extern "C" BOOL WINAPI Ctl3dColorChange(void) { return KirnoRebuildColors(FALSE); }
