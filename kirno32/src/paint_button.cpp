// PaintButton: check boxes, radio buttons and group boxes; push buttons go to PaintPushButton.
#include "check_cell.h"
#include "kirno_state.h"

namespace {

const int kLabelIndent = 18;  // the image cell plus a gap

void PaintImage(HDC dc, const RECT& r, CheckCell cell) {
  HDC memory = CreateCompatibleDC(dc);
  if (!memory) return;
  HGDIOBJ old = SelectObject(memory, g_kirno.checkBitmap);
  if (old) {
    int top = r.top + (r.bottom - r.top - kCheckCellHeight) / 2;
    BitBlt(dc, r.left, top, kCheckCellWidth, kCheckCellHeight, memory, kCheckCellWidth * cell.column,
           kCheckCellHeight * cell.row, SRCCOPY);
    SelectObject(memory, old);
  }
  DeleteDC(memory);
}

void PaintCheckBox(HDC dc, const RECT& r, UINT parts, CheckCell cell, BOOL enabled, const char* text) {
  if (parts & kPartImage) PaintImage(dc, r, cell);
  if (parts & kPartLabel) {
    RECT label = r;
    label.left = r.left + kLabelIndent;
    COLORREF oldText = enabled ? 0 : SetTextColor(dc, g_kirno.colors[kColorGrayText]);
    DrawTextA(dc, text, -1, &label, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (!enabled) SetTextColor(dc, oldText);
  }
  if (parts & kPartFocus) {
    int width, height;
    MeasureLabel(dc, text, &width, &height);
    RECT focus;
    focus.left = r.left + kLabelIndent;
    focus.right = focus.left + width;
    focus.top = (r.bottom - height - r.top) / 2;
    focus.bottom = focus.top + height;
    InflateRect(&focus, 1, 1);
    IntersectRect(&focus, &focus, &r);
    DrawFocusRect(dc, &focus);
  }
}

void PaintGroupBox(HWND window, HDC dc, const RECT& r, UINT parts, BOOL enabled, const char* text) {
  int width, height;
  MeasureLabel(dc, text, &width, &height);
  // An empty caption still leaves room for one: the frame's top stays where a caption would centre it.
  if (height == 0) {
    SIZE x;
    GetTextExtentPoint32A(dc, "X", 1, &x);
    height = x.cy;
  }
  RECT caption = {r.left + 4, r.top, r.left + 4 + width + 4, r.top + height};

  if (parts & kPartCaptionStrip) {
    RECT strip = {caption.left, caption.top, r.right, caption.bottom};
    HWND parent = GetParent(window);
    MapWindowPoints(window, parent, reinterpret_cast<POINT*>(&strip), 2);
    InvalidateRect(parent, &strip, TRUE);
    return;
  }

  RECT frame = {r.left, r.top + height / 2, r.right - 1, r.bottom - 1};
  DrawEdges(dc, &frame, kColorShadow, kColorShadow, kEdgeAll);
  OffsetRect(&frame, 1, 1);
  DrawEdges(dc, &frame, kColorHighlight, kColorHighlight, kEdgeAll);
  COLORREF oldText = enabled ? 0 : SetTextColor(dc, g_kirno.colors[kColorGrayText]);
  DrawTextA(dc, text, -1, &caption, DT_SINGLELINE | DT_LEFT | DT_TOP);
  if (!enabled) SetTextColor(dc, oldText);
}

}  // namespace

void PaintButton(HWND window, HDC dc, UINT parts) {
  UINT kind = static_cast<UINT>(GetWindowLongA(window, GWL_STYLE)) & 0x1F;
  SetBkMode(dc, OPAQUE);
  RECT r;
  GetClientRect(window, &r);

  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(window), WM_CTLCOLORBTN,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(window)));
  HGDIOBJ oldBrush = brush ? SelectObject(dc, brush) : nullptr;
  IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);

  if ((parts & kPartErase) && kind != BS_GROUPBOX) PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATCOPY);

  BOOL enabled = IsWindowEnabled(window);
  UINT state = static_cast<UINT>(SendMessageA(window, BM_GETSTATE, 0, 0));
  CheckCell cell = CheckCellFor(kind, state, enabled);

  char text[256] = {};
  if ((parts & (kPartLabel | kPartFocus)) || kind <= BS_DEFPUSHBUTTON) GetWindowTextA(window, text, sizeof text);

  switch (kind) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      PaintPushButton(window, dc, kind, state, enabled, text);
      break;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON:
      PaintCheckBox(dc, r, parts, cell, enabled, text);
      break;
    case BS_GROUPBOX:
      if (parts & (kPartLabel | kPartImage)) PaintGroupBox(window, dc, r, parts, enabled, text);
      break;
    default:
      break;  // user buttons paint themselves
  }

  if (oldBrush) SelectObject(dc, oldBrush);
  if (oldFont) SelectObject(dc, oldFont);
}
