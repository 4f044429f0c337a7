// PaintStatic: text on the face colour, and sunken, etched or raised frames for the rectangle kinds.
#include "kirno_state.h"

namespace {

UINT TextFormat(LONG style) {
  LONG kind = style & 0xF;
  UINT format = DT_NOCLIP | DT_EXPANDTABS;
  if (kind == SS_LEFTNOWORDWRAP) {
    // one line per text line, left-aligned
  } else {
    format |= DT_WORDBREAK;
    if (kind == SS_CENTER) format |= DT_CENTER;
    if (kind == SS_RIGHT) format |= DT_RIGHT;
  }
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  return format;
}

void PaintText(HWND window, HDC dc, const RECT& r, LONG style) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  SetBkMode(dc, OPAQUE);
  HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(window), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(window)));
  HGDIOBJ oldBrush = brush ? SelectObject(dc, brush) : nullptr;
  PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATCOPY);

  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  if (text[0]) {
    BOOL disabled = (style & WS_DISABLED) != 0;
    COLORREF oldText = disabled ? SetTextColor(dc, g_kirno.colors[kColorGrayText]) : 0;
    RECT bounds = r;
    DrawTextA(dc, text, -1, &bounds, TextFormat(style));
    if (disabled) SetTextColor(dc, oldText);
  }

  if (oldBrush) SelectObject(dc, oldBrush);
  if (oldFont) SelectObject(dc, oldFont);
}

}  // namespace

void PaintStatic(HWND window, HDC dc) {
  LONG style = GetWindowLongA(window, GWL_STYLE);
  if (!(style & WS_VISIBLE)) return;
  RECT r;
  GetClientRect(window, &r);

  switch (style & 0xF) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_LEFTNOWORDWRAP:
      PaintText(window, dc, r, style);
      break;
    case SS_BLACKRECT:
    case SS_BLACKFRAME:
      DrawEdges(dc, &r, kColorShadow, kColorHighlight, kEdgeAll);
      break;
    case SS_GRAYRECT:
    case SS_GRAYFRAME: {
      RECT etched = r;
      etched.left += 1;
      etched.top += 1;
      DrawEdges(dc, &etched, kColorHighlight, kColorHighlight, kEdgeAll);
      OffsetRect(&etched, -1, -1);
      DrawEdges(dc, &etched, kColorShadow, kColorShadow, kEdgeAll);
      break;
    }
    case SS_WHITERECT:
    case SS_WHITEFRAME:
      DrawEdges(dc, &r, kColorHighlight, kColorShadow, kEdgeAll);
      break;
    default:
      break;
  }
}
