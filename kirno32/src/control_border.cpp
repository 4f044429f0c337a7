// DrawControlBorder and InvalidateBorder: the sunken border painted in the parent around edit, list and combo controls.
#include "kirno_state.h"

namespace {

const int kComboListId = 1000;  // the list of a simple combo box; its edit field is 1001

BOOL ParentIsComboBox(HWND parent) {
  char className[11] = {};
  GetClassNameA(parent, className, sizeof className);
  return lstrcmpA(className, "ComboBox") == 0;
}

int Width(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r.right - r.left;
}

void DrawScrollBarEdges(HDC dc, const RECT& rc, LONG style) {
  if (style & WS_VSCROLL) {
    RECT outside = rc;
    outside.right += 1;
    DrawEdges(dc, &outside, kColorHighlight, kColorHighlight, kEdgeRight);
    RECT corner = rc;
    corner.left = rc.right - GetSystemMetrics(SM_CXVSCROLL);
    DrawEdges(dc, &corner, kColorWindowFrame, kColorWindowFrame, kEdgeBottom);
  }
  if (style & WS_HSCROLL) {
    RECT below = rc;
    below.bottom += 1;
    DrawEdges(dc, &below, kColorHighlight, kColorHighlight, kEdgeBottom);
    RECT corner = rc;
    corner.top = rc.bottom - GetSystemMetrics(SM_CXHSCROLL);
    DrawEdges(dc, &corner, kColorWindowFrame, kColorWindowFrame, kEdgeRight);
  }
}

}  // namespace

void DrawControlBorder(HWND window, BOOL caret, int entry) {
  LONG style = GetWindowLongA(window, GWL_STYLE);
  if (!(style & WS_VISIBLE)) return;
  if (caret) HideCaret(window);

  HWND owner = GetParent(window);
  RECT rc;
  GetWindowRect(window, &rc);
  MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&rc), 2);
  HDC dc = GetDC(owner);

  UINT edges = kEdgeAll;
  if (style & WS_HSCROLL) edges = kEdgeLeft | kEdgeTop | kEdgeRight;
  if (style & WS_VSCROLL) edges &= ~kEdgeRight;

  // The list and edit field of a simple combo box: their border goes into the combo box's parent.
  LONG_PTR id = GetWindowLongPtrA(window, GWLP_ID);
  if (id == kComboListId + (caret ? 1 : 0) && ParentIsComboBox(owner)) {
    HWND combo = owner;
    owner = GetParent(combo);
    MapWindowPoints(combo, owner, reinterpret_cast<POINT*>(&rc), 2);
    ReleaseDC(combo, dc);
    dc = GetDC(owner);
    if (caret && (GetWindowLongA(combo, GWL_STYLE) & 3) == CBS_SIMPLE) {
      edges &= ~kEdgeBottom;
      RECT bottom = rc;
      HWND first = GetWindow(combo, GW_CHILD);
      if (first) bottom.right -= Width(first);
      DrawSunkenBorder(dc, &bottom, kEdgeBottom | kEdgeShortBottom);
    } else if (!caret) {
      rc.top += 1;
      edges &= ~kEdgeTop;
    }
  }

  DrawSunkenBorder(dc, &rc, edges);
  if (entry == kEntryComboBox && (style & 3) == CBS_DROPDOWNLIST) {
    RECT button = rc;
    button.left = rc.right - GetSystemMetrics(SM_CXVSCROLL);
    DrawEdges(dc, &button, kColorWindowFrame, kColorWindowFrame, kEdgeRight | kEdgeBottom);
  } else {
    DrawScrollBarEdges(dc, rc, style);
  }

  ReleaseDC(owner, dc);
  if (caret) ShowCaret(window);
}

void InvalidateBorder(HWND window, const WINDOWPOS* position) {
  RECT rc;
  GetWindowRect(window, &rc);
  LONG style = GetWindowLongA(window, GWL_STYLE);
  if (!(style & WS_VISIBLE)) return;

  // Shrinking in place: only the strip below the new bottom needs the parent's paint.
  if (position && (position->flags & SWP_NOMOVE) && !(position->flags & SWP_NOSIZE) &&
      rc.right - position->cx == rc.left && position->cy <= rc.bottom - rc.top)
    rc.top += position->cy + 1;

  InflateRect(&rc, 1, 1);
  HWND parent = GetParent(window);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
  if (style & WS_VSCROLL) rc.right += 1;
  InvalidateRect(parent, &rc, FALSE);
}
