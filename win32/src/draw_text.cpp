// DrawText: mnemonic prefixes, line breaks and word wrapping, alignment, clipping and DT_CALCRECT.
#include "glyphs.h"

#include <algorithm>
#include <cstring>

using namespace win32;

namespace {

struct Line {
    std::string text;
    std::vector<size_t> source;  // index of each byte in the prefix-free text
};

// Removes mnemonic markers: "&x" shows x (underlined), "&&" shows "&", a final "&" shows nothing.
std::string stripPrefixes(const std::string& in, std::vector<size_t>* underlined) {
    std::string out;
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '&') {
            out += in[i];
            continue;
        }
        if (i + 1 >= in.size()) break;
        ++i;
        if (in[i] != '&') underlined->push_back(out.size());
        out += in[i];
    }
    return out;
}

// Tab stops are every 8 cells of the font.
std::vector<int> advancesOf(const std::string& text, bool expandTabs, int cellWidth) {
    std::vector<int> adv;
    const int tabWidth = 8 * cellWidth;
    int x = 0;
    for (char c : text) {
        int a = cellWidth;
        if (c == '\t' && expandTabs) a = tabWidth - x % tabWidth;
        adv.push_back(a);
        x += a;
    }
    return adv;
}

int widthOf(const std::string& text, bool expandTabs, int cellWidth) {
    int w = 0;
    for (int a : advancesOf(text, expandTabs, cellWidth)) w += a;
    return w;
}

Line slice(const std::string& text, size_t from, size_t to) {
    Line l;
    for (size_t i = from; i < to; ++i) {
        l.text += text[i];
        l.source.push_back(i);
    }
    return l;
}

// Greedy wrapping at spaces; a word wider than the line stays whole on a line of its own.
void wrap(const std::string& text, size_t from, size_t to, int maxWidth, bool expandTabs, int cellWidth,
          std::vector<Line>* out) {
    size_t lineStart = from;
    while (true) {
        while (lineStart < to && text[lineStart] == ' ') ++lineStart;
        size_t end = lineStart;  // end of the accepted line text (exclusive)
        size_t i = lineStart;
        while (i < to) {
            size_t wordEnd = i;
            while (wordEnd < to && text[wordEnd] == ' ') ++wordEnd;
            while (wordEnd < to && text[wordEnd] != ' ') ++wordEnd;
            int w = widthOf(text.substr(lineStart, wordEnd - lineStart), expandTabs, cellWidth);
            if (w > maxWidth && end > lineStart) break;
            end = wordEnd;
            i = wordEnd;
        }
        out->push_back(slice(text, lineStart, end));
        if (end >= to) return;
        lineStart = end;
    }
}

std::vector<Line> layout(const std::string& text, UINT format, int maxWidth, int cellWidth) {
    std::vector<Line> lines;
    if (format & DT_SINGLELINE) {
        lines.push_back(slice(text, 0, text.size()));
        return lines;
    }
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\n' && text[i] != '\r') continue;
        if (format & DT_WORDBREAK)
            wrap(text, start, i, maxWidth, (format & DT_EXPANDTABS) != 0, cellWidth, &lines);
        else
            lines.push_back(slice(text, start, i));
        if (i < text.size() && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return lines;
}

}  // namespace

extern "C" {

int WINAPI DrawTextA(HDC hdc, LPCSTR text, int count, LPRECT rect, UINT format) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || !text || !rect) return 0;
    if (count < 0) count = (int)std::strlen(text);
    const CellMetric m = cellMetric(dc->state);
    if (count == 0) {
        if (format & DT_CALCRECT) {
            rect->right = rect->left;
            rect->bottom = rect->top + ((format & DT_SINGLELINE) ? m.height : 0);
        }
        return 0;
    }
    std::string raw(text, (size_t)count);
    std::vector<size_t> underlined;
    std::string shown = (format & DT_NOPREFIX) ? raw : stripPrefixes(raw, &underlined);
    if (format & DT_HIDEPREFIX) underlined.clear();
    const bool expandTabs = (format & DT_EXPANDTABS) != 0;

    std::vector<Line> lines = layout(shown, format, rect->right - rect->left, m.width);
    int maxWidth = 0;
    for (const Line& l : lines) maxWidth = std::max(maxWidth, widthOf(l.text, expandTabs, m.width));
    const int totalHeight = (int)lines.size() * m.height;

    int y = rect->top;
    if (format & DT_SINGLELINE) {
        // Centring rounds toward zero: top + (height - line height) / 2.
        if (format & DT_VCENTER) y = rect->top + (rect->bottom - rect->top - m.height) / 2;
        else if (format & DT_BOTTOM) y = rect->bottom - m.height;
    }
    if (format & DT_CALCRECT) {
        rect->right = rect->left + maxWidth;
        rect->bottom = rect->top + totalHeight;
        return totalHeight;
    }

    Surface s = surfaceOf(*dc);
    if (s.valid()) {
        if (!(format & DT_NOCLIP)) {
            Region clip(*rect);
            clip.offset(s.origin.x, s.origin.y);
            s.visible.intersectRegion(clip);
        }
        int lineY = y;
        for (const Line& l : lines) {
            const int w = widthOf(l.text, expandTabs, m.width);
            int x = rect->left;
            if (format & DT_CENTER) x = rect->left + (rect->right - rect->left - w) / 2;
            else if (format & DT_RIGHT) x = rect->right - w;
            std::vector<size_t> marks;
            for (size_t i = 0; i < l.source.size(); ++i)
                if (std::find(underlined.begin(), underlined.end(), l.source[i]) != underlined.end()) marks.push_back(i);
            if (format & DT_PREFIXONLY) {
                DCState inkless = dc->state;
                inkless.bkMode = TRANSPARENT;
                drawCells(s, inkless, x, lineY, std::string(l.text.size(), ' '),
                          advancesOf(l.text, expandTabs, m.width), marks);
            } else {
                drawCells(s, dc->state, x, lineY, l.text, advancesOf(l.text, expandTabs, m.width), marks);
            }
            lineY += m.height;
        }
    }
    return (format & DT_SINGLELINE) ? (y - rect->top) + m.height : totalHeight;
}

}  // extern "C"
