// Ctl3dDlgFramePaint: the raised 3-D frame of a subclassed dialog, painted after the standard one.
#include "kirno_state.h"

namespace {

void FillWithBrush(HDC dc, int left, int top, int width, int height) {
  PatBlt(dc, left, top, width, height, PATCOPY);
}

void PaintFrame(HWND window, BOOL caption) {
  RECT bounds;
  GetWindowRect(window, &bounds);
  RECT r = {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
  int frameX = g_kirno.dialogFrameX;
  int frameY = g_kirno.dialogFrameY;
  int band = frameY - (caption ? 1 : 0);

  HDC dc = GetWindowDC(window);
  DrawEdges(dc, &r, kColorShadow, kColorWindowFrame, kEdgeAll);
  InflateRect(&r, -1, -1);
  DrawEdges(dc, &r, kColorHighlight, kColorShadow, kEdgeAll);
  InflateRect(&r, -1, -1);

  HGDIOBJ oldBrush = SelectObject(dc, g_kirno.brushes[kBrushFace]);
  int height = r.bottom - r.top;
  int innerWidth = r.right - r.left - 2 * frameX;
  FillWithBrush(dc, r.left, r.top, frameX, height);
  FillWithBrush(dc, r.right - frameX, r.top, frameX, height);
  FillWithBrush(dc, r.left + frameX, r.top, innerWidth, band);
  if (caption) {
    RECT bar = {r.left + frameX, r.top + band, r.right - frameX, r.top + band + g_kirno.captionHeight};
    DrawEdges(dc, &bar, kColorShadow, kColorHighlight, kEdgeAll);
  }
  FillWithBrush(dc, r.left + frameX, r.bottom - frameY, innerWidth, frameY);
  SelectObject(dc, oldBrush);
  ReleaseDC(window, dc);
}

}  // namespace

extern "C" LRESULT WINAPI Ctl3dDlgFramePaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = DefWindowProcA(window, message, wParam, lParam);
  if (!g_kirno.enabled) return result;

  int wanted = 1;
  SendMessageA(window, KIRNO_MSG_FRAME, 0, reinterpret_cast<LPARAM>(&wanted));
  const LONG needed = WS_VISIBLE | WS_DLGFRAME | DS_MODALFRAME;
  LONG style = GetWindowLongA(window, GWL_STYLE);
  if (!wanted || (style & needed) != needed) return result;

  PaintFrame(window, (style & WS_CAPTION) == WS_CAPTION);
  return result;
}
