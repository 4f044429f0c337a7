// MeasureLabel: the extent of a label as shown, without its mnemonic markers.
#include "kirno_state.h"

namespace {

const int kLabelBuffer = 256;

BOOL IsPrefix(BYTE c) { return c == '&' || (g_kirno.dbcsEnabled && c == g_kirno.menuPrefixChar); }

// Menu markers of the other double-byte convention hide the character they precede.
BOOL IsForeignMarker(BYTE c) { return g_kirno.dbcsEnabled && (c == 30 || c == 31); }

}  // namespace

void MeasureLabel(HDC dc, const char* text, int* width, int* height) {
  char shown[kLabelBuffer];
  int length = 0;
  // Labels longer than the buffer are measured by what fits.
  const char* p = text;
  while (*p && length < kLabelBuffer - 2) {
    BYTE c = static_cast<BYTE>(*p);
    if (IsPrefix(c)) {
      if (!p[1]) break;
      const char* next = CharNextA(p + 1);
      for (const char* q = p + 1; q < next && length < kLabelBuffer - 1; ++q) shown[length++] = *q;
      p = next;
    } else if (IsForeignMarker(c)) {
      if (!p[1]) break;
      p = CharNextA(p + 1);
    } else {
      shown[length++] = *p++;
    }
  }
  shown[length] = '\0';

  SIZE extent = {0, 0};
  GetTextExtentPoint32A(dc, shown, length, &extent);
  *width = extent.cx;
  *height = extent.cy;
}
