// The drawing of the check-box, radio-button and three-state cells.
#include "check_cells.h"

namespace kirnobmp {

namespace {

// Columns: normal, marked, pushed, pushed and marked, disabled and marked.
struct ColumnLook {
  uint8_t interior;
  uint8_t mark;  // 0xFF: no mark
};
constexpr uint8_t kNoMark = 0xFF;
constexpr ColumnLook kColumnLooks[kColumns] = {
    {kInkWindow, kNoMark}, {kInkWindow, kInkWindowText}, {kInkFace, kNoMark},
    {kInkFace, kInkWindowText}, {kInkFace, kInkShadow},
};

// The check mark, 7 x 7, drawn inside the 9 x 9 interior of the box.
constexpr const char* kCheckMark[7] = {
    "......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X....",
};

class Canvas {
 public:
  explicit Canvas(std::vector<uint8_t>& pixels) : pixels_(pixels) {}
  void Set(int x, int y, uint8_t ink) { pixels_[static_cast<size_t>(y) * kWidth + x] = ink; }

 private:
  std::vector<uint8_t>& pixels_;
};

// A 13 x 13 sunken box: shadow and frame on the top and left, highlight and face on the
// bottom and right, like every other sunken thing in a 3-D dialog.
void DrawBox(Canvas& canvas, int x0, int y0, uint8_t interior) {
  const int size = 13;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      uint8_t ink = interior;
      if (x == size - 1 || y == size - 1)
        ink = kInkHighlight;
      else if (x == 0 || y == 0)
        ink = kInkShadow;
      else if (x == size - 2 || y == size - 2)
        ink = kInkFace;
      else if (x == 1 || y == 1)
        ink = kInkWindowFrame;
      canvas.Set(x0 + x, y0 + y, ink);
    }
  }
}

void DrawCheckMark(Canvas& canvas, int x0, int y0, uint8_t ink) {
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x)
      if (kCheckMark[y][x] == 'X') canvas.Set(x0 + 3 + x, y0 + 3 + y, ink);
}

// The indeterminate state: every other pixel of the interior in the mark's ink, a grey hatch.
void DrawHatch(Canvas& canvas, int x0, int y0, uint8_t ink) {
  for (int y = 2; y < 11; ++y)
    for (int x = 2; x < 11; ++x)
      if ((x + y) % 2 == 0) canvas.Set(x0 + x, y0 + y, ink);
}

// A 12 x 12 round button from the distance to its centre, in half-pixel units so that
// everything stays in integers: sunken on the top-left half, lit on the bottom-right half.
void DrawRadio(Canvas& canvas, int x0, int y0, uint8_t interior, uint8_t mark) {
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      int dx = 2 * x - 11, dy = 2 * y - 11;
      int d2 = dx * dx + dy * dy;
      bool upperLeft = x + y < 11;
      uint8_t ink;
      if (d2 >= 144)
        continue;
      else if (d2 >= 100)
        ink = upperLeft ? kInkShadow : kInkHighlight;
      else if (d2 >= 64)
        ink = upperLeft ? kInkWindowFrame : kInkFace;
      else if (mark != kNoMark && d2 < 30)
        ink = mark;
      else
        ink = interior;
      canvas.Set(x0 + x, y0 + y, ink);
    }
  }
}

}  // namespace

std::vector<uint8_t> DrawCheckCells() {
  std::vector<uint8_t> pixels(static_cast<size_t>(kWidth) * kHeight, kInkFace);
  Canvas canvas(pixels);
  for (int column = 0; column < kColumns; ++column) {
    const ColumnLook& look = kColumnLooks[column];
    int x0 = column * kCellWidth;
    DrawBox(canvas, x0, 0, look.interior);
    if (look.mark != kNoMark) DrawCheckMark(canvas, x0, 0, look.mark);
    DrawRadio(canvas, x0, kCellHeight, look.interior, look.mark);
    DrawBox(canvas, x0, 2 * kCellHeight, look.interior);
    // Indeterminate: a hatch in the shadow colour, lighter when disabled.
    if (look.mark != kNoMark)
      DrawHatch(canvas, x0, 2 * kCellHeight, look.mark == kInkShadow ? kInkHighlight : kInkShadow);
  }
  return pixels;
}

}  // namespace kirnobmp
