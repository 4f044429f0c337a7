// DrawEdges and DrawSunkenBorder: the one-pixel lines every painter is made of.
#include "kirno_state.h"

namespace {

void FillLine(HDC dc, int left, int top, int right, int bottom) {
  RECT line = {left, top, right, bottom};
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
}

}  // namespace

// Right and bottom are exclusive; the right and bottom edges are painted last, so the
// top-right and bottom-left corners take colorB.
void DrawEdges(HDC dc, const RECT* rect, int colorA, int colorB, UINT edges) {
  const RECT& r = *rect;
  COLORREF oldBack = SetBkColor(dc, g_kirno.colors[colorA]);
  if (edges & kEdgeTop) FillLine(dc, r.left, r.top, r.right, r.top + 1);
  if (edges & kEdgeLeft) FillLine(dc, r.left, r.top, r.left + 1, r.bottom);
  SetBkColor(dc, g_kirno.colors[colorB]);
  if (edges & kEdgeRight) FillLine(dc, r.right - 1, r.top, r.right, r.bottom);
  if (edges & kEdgeBottom)
    FillLine(dc, r.left, r.bottom - 1, (edges & kEdgeShortBottom) ? r.right - 2 : r.right, r.bottom);
  SetBkColor(dc, oldBack);
}

// The inner ring lies on the rectangle, the outer ring one pixel outside it.
void DrawSunkenBorder(HDC dc, const RECT* rect, UINT edges) {
  DrawEdges(dc, rect, kColorWindowFrame, kColorFace, edges & kEdgeAll);
  RECT outer = *rect;
  InflateRect(&outer, 1, 1);
  DrawEdges(dc, &outer, kColorShadow, kColorHighlight, edges);
}
