// The check-box bitmap as drawn by tools/kirnobmp: its file layout and which colours each cell uses.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "check_cells.h"

namespace {

using namespace kirnobmp;

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

uint8_t Pixel(const std::vector<uint8_t>& pixels, int column, int row, int x, int y) {
  return pixels[static_cast<size_t>(row * kCellHeight + y) * kWidth + column * kCellWidth + x];
}

std::vector<uint8_t> Cell(const std::vector<uint8_t>& pixels, int column, int row) {
  std::vector<uint8_t> cell;
  for (int y = 0; y < kCellHeight; ++y)
    for (int x = 0; x < kCellWidth; ++x) cell.push_back(Pixel(pixels, column, row, x, y));
  return cell;
}

std::set<uint8_t> CellInks(const std::vector<uint8_t>& pixels, int column, int row) {
  std::set<uint8_t> inks;
  for (int y = 0; y < kCellHeight; ++y)
    for (int x = 0; x < kCellWidth; ++x) inks.insert(Pixel(pixels, column, row, x, y));
  return inks;
}

TEST(CheckBitmap, FileHasTheResourceLayout) {
  std::vector<uint8_t> file = EncodeBmp(DrawCheckCells());
  ASSERT_EQ(file.size(), 14u + 40 + 64 + 39 * 36);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(Read32(file, 10), 14u + 40 + 64);  // bits offset
  EXPECT_EQ(Read32(file, 14), 40u);            // info header size
  EXPECT_EQ(Read32(file, 18), 70u);
  EXPECT_EQ(Read32(file, 22), 39u);
  EXPECT_EQ(file[28], 4);                      // bits per pixel
  EXPECT_EQ(Read32(file, 30), 0u);             // uncompressed
}

TEST(CheckBitmap, BuiltFileMatchesTheDrawing) {
  std::ifstream in(KIRNO_CHECK_BMP, std::ios::binary);
  std::vector<uint8_t> built((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(built, EncodeBmp(DrawCheckCells()));
}

TEST(CheckBitmap, UsesOnlyTheColoursRegistrationReplaces) {
  std::vector<uint8_t> pixels = DrawCheckCells();
  const std::set<uint8_t> patched = {kInkWindowText, kInkShadow, kInkFace, kInkWindowFrame, kInkWindow, kInkHighlight};
  for (uint8_t ink : pixels) EXPECT_TRUE(patched.count(ink)) << int(ink);
}

TEST(CheckBitmap, ColumnsShowTheirStates) {
  std::vector<uint8_t> pixels = DrawCheckCells();
  struct Case {
    int column;
    bool windowInterior;  // white inside, as an enabled, released box
    bool markInText;      // a mark in the window-text colour
  };
  const Case cases[] = {
      {0, true, false}, {1, true, true}, {2, false, false}, {3, false, true}, {4, false, false},
  };
  for (int row = 0; row < kRows; ++row) {
    for (const Case& c : cases) {
      std::set<uint8_t> inks = CellInks(pixels, c.column, row);
      SCOPED_TRACE(testing::Message() << "row " << row << " column " << c.column);
      EXPECT_EQ(inks.count(kInkWindow) == 1, c.windowInterior);
      // The three-state row shows its indeterminate mark as a grey hatch, never in text colour.
      EXPECT_EQ(inks.count(kInkWindowText) == 1, c.markInText && row != 2);
      EXPECT_TRUE(inks.count(kInkShadow) && inks.count(kInkHighlight) && inks.count(kInkWindowFrame));
    }
  }
  // Disabled and marked: the mark is there, but in a grey; every cell of a row differs.
  for (int row = 0; row < kRows; ++row)
    for (int a = 0; a < kColumns; ++a)
      for (int b = a + 1; b < kColumns; ++b)
        EXPECT_NE(Cell(pixels, a, row), Cell(pixels, b, row)) << row << ":" << a << "/" << b;
}

}  // namespace
