// The fixed text metric and glyph drawing shared by the text calls.
#pragma once

#include "gdi_state.h"

#include <string>
#include <vector>

namespace win32 {

constexpr int kCharWidth = 6;
constexpr int kCharHeight = 13;
constexpr int kCharAscent = 10;

// Draws a run of cells at (x, y) in DC coordinates: background cells when opaque, ink blocks,
// and an underline below the cells whose index is listed.
void drawCells(Surface& s, const DCState& state, int x, int y, const std::string& text,
               const std::vector<int>& advances, const std::vector<size_t>& underlined);

}  // namespace win32
