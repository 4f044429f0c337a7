// The fixed text metric and glyph drawing shared by the text calls.
#pragma once

#include "gdi_state.h"

#include <string>
#include <vector>

namespace win32 {

// The metric of the stock fonts; dialog units are based on it.
constexpr int kCharWidth = 6;
constexpr int kCharHeight = 13;
constexpr int kCharAscent = 10;

// Every byte of a font is one cell of this size.
struct CellMetric {
    int width = kCharWidth;
    int height = kCharHeight;
    int ascent = kCharAscent;
};

// The metric of a font object: the stock metric for stock fonts, else from its LOGFONT.
CellMetric fontMetric(HGDIOBJ font);
// The metric of the font selected into a DC.
inline CellMetric cellMetric(const DCState& state) { return fontMetric(state.font); }

// Draws a run of cells at (x, y) in DC coordinates in the DC's font: background cells when opaque,
// ink blocks, and an underline below the cells whose index is listed.
void drawCells(Surface& s, const DCState& state, int x, int y, const std::string& text,
               const std::vector<int>& advances, const std::vector<size_t>& underlined);

}  // namespace win32
