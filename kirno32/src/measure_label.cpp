// MeasureLabel: the extent of a label as shown, without its mnemonic markers.
#include "kirno_state.h"

namespace {

const int kLabelBuffer = 256;

BOOL IsPrefix(BYTE c) { return c == '&' || (g_kirno.dbcsEnabled && c == g_kirno.menuPrefixChar); }

// Menu markers of the other double-byte convention hide the character they precede.
BOOL IsForeignMarker(BYTE c) { return g_kirno.dbcsEnabled && (c == 30 || c == 31); }

// Copies the character at from (one or two bytes) if it fits with the terminator; false when not.
BOOL CopyCharacter(char* shown, int* length, const char* from) {
  const char* next = CharNextA(from);
  if (*length + (next - from) > kLabelBuffer - 1) return FALSE;
  for (const char* q = from; q < next; ++q) shown[(*length)++] = *q;
  return TRUE;
}

}  // namespace

void MeasureLabel(HDC dc, const char* text, int* width, int* height) {
  char shown[kLabelBuffer];
  int length = 0;
  // Labels longer than the buffer are measured by what fits: up to 255 bytes, whole characters.
  const char* p = text;
  while (*p) {
    BYTE c = static_cast<BYTE>(*p);
    if (IsPrefix(c)) {
      if (!p[1] || !CopyCharacter(shown, &length, p + 1)) break;
      p = CharNextA(p + 1);
    } else if (IsForeignMarker(c)) {
      if (!p[1]) break;
      p = CharNextA(p + 1);
    } else {
      if (!CopyCharacter(shown, &length, p)) break;
      p = CharNextA(p);
    }
  }
  shown[length] = '\0';

  SIZE extent = {0, 0};
  GetTextExtentPoint32A(dc, shown, length, &extent);
  *width = extent.cx;
  *height = extent.cy;
}
