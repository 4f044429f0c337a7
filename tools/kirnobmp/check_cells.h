// Draws kirno32's check-box bitmap: 5 columns x 3 rows of 14 x 13 cells, as 4-bit colour-table indices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kirnobmp {

constexpr int kCellWidth = 14;
constexpr int kCellHeight = 13;
constexpr int kColumns = 5;
constexpr int kRows = 3;
constexpr int kWidth = kCellWidth * kColumns;   // 70
constexpr int kHeight = kCellHeight * kRows;    // 39

// Colour-table entries that the library replaces by the user's system colours at run time.
constexpr uint8_t kInkWindowText = 0;
constexpr uint8_t kInkShadow = 7;
constexpr uint8_t kInkFace = 8;
constexpr uint8_t kInkWindowFrame = 10;
constexpr uint8_t kInkWindow = 11;
constexpr uint8_t kInkHighlight = 15;

// Pixels top row first, one colour-table index per pixel.
std::vector<uint8_t> DrawCheckCells();

// The whole .bmp file: file header, info header, 16-entry colour table, bottom-up 4-bit rows.
std::vector<uint8_t> EncodeBmp(const std::vector<uint8_t>& pixels);

}  // namespace kirnobmp
