// PaintPushButton: the black outline, bevel, face, label and focus of push buttons.
#include "kirno_state.h"

namespace {

int Min(int a, int b) { return a < b ? a : b; }

void Fill(HDC dc, int left, int top, int width, int height) { PatBlt(dc, left, top, width, height, PATCOPY); }

// The raised bevel: highlight on the left and top, two shadow lines on the right and bottom
// that also cover the highlight's far corners. Pushed: one shadow line on the left and top.
void PaintBevel(HDC dc, const RECT& inner, BOOL pushed) {
  int width = inner.right - inner.left;
  int height = inner.bottom - inner.top;
  int n = pushed ? 1 : 2;
  SelectObject(dc, g_kirno.brushes[pushed ? kBrushShadow : kBrushHighlight]);
  Fill(dc, inner.left, inner.top, n, height);
  Fill(dc, inner.left, inner.top, width, n);
  if (pushed) return;

  SelectObject(dc, g_kirno.brushes[kBrushShadow]);
  int l = inner.left, t = inner.top, r = inner.right - 1, b = inner.bottom - 1;
  for (int pass = 0; pass < 2; ++pass) {
    Fill(dc, l, b, r - l + 1, 1);
    Fill(dc, r, t, 1, b - t);
    ++l, ++t, --r, --b;
  }
}

}  // namespace

void PaintPushButton(HWND window, HDC dc, UINT kind, UINT state, BOOL enabled, const char* text) {
  RECT r;
  GetClientRect(window, &r);
  BOOL pushed = (state & BST_PUSHED) != 0;

  DrawEdges(dc, &r, kColorWindowFrame, kColorWindowFrame, kEdgeAll);
  RECT inner = r;
  InflateRect(&inner, -1, -1);
  if (kind == BS_DEFPUSHBUTTON && enabled) {
    DrawEdges(dc, &inner, kColorWindowFrame, kColorWindowFrame, kEdgeAll);
    InflateRect(&inner, -1, -1);
  }

  // The parent's brush is still selected: the corners take the dialog's colour and look rounded.
  Fill(dc, r.left, r.top, 1, 1);
  Fill(dc, r.right - 1, r.top, 1, 1);
  Fill(dc, r.left, r.bottom - 1, 1, 1);
  Fill(dc, r.right - 1, r.bottom - 1, 1, 1);

  HGDIOBJ oldBrush = SelectObject(dc, g_kirno.brushes[kBrushFace]);
  PaintBevel(dc, inner, pushed);

  RECT face = pushed ? RECT{inner.left + 1, inner.top + 1, inner.right, inner.bottom}
                     : RECT{inner.left + 2, inner.top + 2, inner.right - 2, inner.bottom - 2};
  SelectObject(dc, g_kirno.brushes[kBrushFace]);
  Fill(dc, face.left, face.top, face.right - face.left, face.bottom - face.top);

  COLORREF oldText = enabled ? 0 : SetTextColor(dc, g_kirno.colors[kColorGrayText]);
  int width, height;
  MeasureLabel(dc, text, &width, &height);
  RECT label;
  label.top = face.top + (face.bottom - face.top - height) / 2;
  label.left = face.left + (face.right - face.left - width) / 2;
  label.bottom = Min(label.top + height, face.bottom);
  label.right = Min(label.left + width, face.right);
  if (pushed) {
    OffsetRect(&label, 1, 1);
    label.right = Min(r.right - 3, label.right);
    label.bottom = Min(r.bottom - 3, label.bottom);
  }
  DrawTextA(dc, text, -1, &label, DT_SINGLELINE);
  if (!enabled) SetTextColor(dc, oldText);

  // The state's focus bit, not GetFocus: while WM_KILLFOCUS is handled the button is still the
  // focus window, yet the picture it leaves must show no focus rectangle.
  if (state & BST_FOCUS) {
    InflateRect(&label, 1, 1);
    IntersectRect(&label, &label, &r);
    DrawFocusRect(dc, &label);
  }
  SelectObject(dc, oldBrush);
}
