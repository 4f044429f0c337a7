// The fixed text metric, glyph cells, and DrawText layout with its format flags.
#include "stand_in_test.h"

namespace {

constexpr COLORREF kInk = 0x0000FF;
constexpr COLORREF kPaper = 0x00FF00;
constexpr COLORREF kSentinel = 0x010203;

// A row of pixels as letters: 'i' ink, 'p' paper (background colour), '.' untouched.
std::string Row(HWND w, int y, int x0, int x1) {
    std::string s;
    for (int x = x0; x < x1; ++x) {
        COLORREF c = Win32Test_GetPixel(w, x, y);
        s += c == kInk ? 'i' : (c == kPaper ? 'p' : (c == kSentinel ? '.' : '?'));
    }
    return s;
}

}  // namespace

class TextTest : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        w_ = TopLevel(100, 40);
        Win32Test_FillWindow(w_, kSentinel);
        hdc_ = GetDC(w_);
        SetTextColor(hdc_, kInk);
        SetBkColor(hdc_, kPaper);
    }
    void TearDown() override {
        ReleaseDC(w_, hdc_);
        StandInTest::TearDown();
    }
    HWND w_ = nullptr;
    HDC hdc_ = nullptr;
};

TEST_F(TextTest, ExtentIsSixByThirteenPerByte) {
    SIZE s;
    EXPECT_TRUE(GetTextExtentPoint32A(hdc_, "Next", 4, &s));
    EXPECT_EQ(s.cx, 24);
    EXPECT_EQ(s.cy, 13);
    EXPECT_TRUE(GetTextExtentPoint32A(hdc_, "", 0, &s));
    EXPECT_EQ(s.cx, 0);
    EXPECT_EQ(s.cy, 0);
    TEXTMETRICA tm;
    GetTextMetricsA(hdc_, &tm);
    EXPECT_EQ(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmAveCharWidth, 6);
}

TEST_F(TextTest, GlyphCellsInOpaqueAndTransparentModes) {
    TextOutA(hdc_, 0, 0, "A B", 3);
    EXPECT_EQ(Row(w_, 0, 0, 18), "pppppppppppppppppp");  // opaque: whole cells
    EXPECT_EQ(Row(w_, 2, 0, 18), "piiiippppppppiiiip");  // ink columns 1..4, none for the space
    EXPECT_EQ(Row(w_, 9, 0, 6), "piiiip");
    EXPECT_EQ(Row(w_, 10, 0, 6), "pppppp");
    EXPECT_EQ(Row(w_, 12, 0, 6), "pppppp");
    EXPECT_EQ(Row(w_, 13, 0, 6), "......");
    SetBkMode(hdc_, TRANSPARENT);
    TextOutA(hdc_, 0, 20, "A", 1);
    EXPECT_EQ(Row(w_, 20, 0, 6), "......");
    EXPECT_EQ(Row(w_, 22, 0, 6), ".iiii.");
}

TEST_F(TextTest, DrawTextPlacesSingleLines) {
    struct Case {
        UINT format;
        RECT rect;
        int x;  // left of the first cell
        int y;  // top of the cell
    } cases[] = {
        {DT_SINGLELINE | DT_LEFT, {10, 2, 50, 30}, 10, 2},
        {DT_SINGLELINE | DT_CENTER, {10, 2, 50, 30}, 10 + (40 - 12) / 2, 2},
        {DT_SINGLELINE | DT_RIGHT, {10, 2, 50, 30}, 50 - 12, 2},
        {DT_SINGLELINE | DT_VCENTER, {10, 2, 50, 30}, 10, 2 + (28 - 13) / 2},
        {DT_SINGLELINE | DT_BOTTOM, {10, 2, 50, 30}, 10, 30 - 13},
        {DT_VCENTER, {10, 2, 50, 30}, 10, 2},  // centring needs a single line
    };
    for (const Case& c : cases) {
        Win32Test_FillWindow(w_, kSentinel);
        RECT r = c.rect;
        DrawTextA(hdc_, "AB", -1, &r, c.format);
        SCOPED_TRACE(testing::Message() << "format " << std::hex << c.format);
        EXPECT_EQ(Win32Test_GetPixel(w_, c.x, c.y), kPaper);
        EXPECT_EQ(Win32Test_GetPixel(w_, c.x + 1, c.y + 2), kInk);
        EXPECT_EQ(Win32Test_GetPixel(w_, c.x - 1, c.y + 2), kSentinel);
        EXPECT_EQ(Win32Test_GetPixel(w_, c.x + 12, c.y + 2), kSentinel);
    }
}

TEST_F(TextTest, PrefixesAreRemovedAndUnderlined) {
    RECT r{0, 0, 100, 13};
    DrawTextA(hdc_, "&Next", -1, &r, DT_SINGLELINE);
    EXPECT_EQ(Row(w_, 11, 0, 26), "iiiiiipppppppppppppppppp..");  // only N is underlined
    RECT calc{0, 0, 0, 0};
    struct Case {
        const char* text;
        UINT format;
        LONG width;
    } cases[] = {{"&Next", 0, 24}, {"A&&B", 0, 18}, {"End&", 0, 18}, {"&Next", DT_NOPREFIX, 30}};
    for (const Case& c : cases) {
        calc = RECT{0, 0, 0, 0};
        DrawTextA(hdc_, c.text, -1, &calc, DT_SINGLELINE | DT_CALCRECT | c.format);
        EXPECT_EQ(calc.right, c.width) << c.text;
        EXPECT_EQ(calc.bottom, 13);
    }
}

TEST_F(TextTest, CalcRectDrawsNothingAndMeasuresLines) {
    RECT r{5, 5, 40, 5};
    EXPECT_EQ(DrawTextA(hdc_, "one two three", -1, &r, DT_WORDBREAK | DT_CALCRECT), 39);
    EXPECT_EQ(r.right, 5 + 30);  // "three" and "one" fit 35 pixels; "one two" does not
    EXPECT_EQ(r.bottom, 5 + 39);
    EXPECT_EQ(Win32Test_GetPixel(w_, 6, 7), kSentinel);
    RECT lines{0, 0, 100, 0};
    EXPECT_EQ(DrawTextA(hdc_, "a\nbb\r\nccc", -1, &lines, DT_CALCRECT), 39);
    EXPECT_EQ(lines.right, 18);
    RECT empty{3, 3, 50, 50};
    EXPECT_EQ(DrawTextA(hdc_, "", -1, &empty, DT_CALCRECT | DT_SINGLELINE), 0);
    EXPECT_EQ(empty.right, 3);
    EXPECT_EQ(empty.bottom, 16);
}

TEST_F(TextTest, DrawTextClipsToItsRectangleUnlessNoClip) {
    RECT r{0, 0, 8, 13};
    DrawTextA(hdc_, "AB", -1, &r, DT_SINGLELINE);
    EXPECT_EQ(Row(w_, 2, 0, 12), "piiiippi....");  // the second cell is cut after its first ink column
    r = RECT{0, 20, 8, 33};
    DrawTextA(hdc_, "AB", -1, &r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_EQ(Row(w_, 22, 0, 12), "piiiippiiiip");
}

TEST_F(TextTest, ExtTextOutClippedStaysInItsRectangle) {
    RECT r{0, 0, 4, 13};
    ExtTextOutA(hdc_, 0, 0, ETO_CLIPPED, &r, "AB", 2, nullptr);
    EXPECT_EQ(Row(w_, 2, 0, 8), "piii....");
}

// A created font has a metric of its own, so a missing or unrestored selection shows in the output.
TEST_F(TextTest, CreatedFontsHaveTheirOwnMetric) {
    struct Case {
        const char* name;
        LONG height, width;
        int cellWidth, cellHeight, ascent;
    };
    const Case cases[] = {
        {"stock metric when unspecified", 0, 0, 6, 13, 10},
        {"height in character units", -16, 0, 7, 16, 12},
        {"explicit width", 20, 9, 9, 20, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LOGFONTA lf{};
        lf.lfHeight = c.height;
        lf.lfWidth = c.width;
        HFONT font = CreateFontIndirectA(&lf);
        ASSERT_NE(font, nullptr);
        HGDIOBJ old = SelectObject(hdc_, font);
        SIZE size{};
        ASSERT_TRUE(GetTextExtentPoint32A(hdc_, "abc", 3, &size));
        EXPECT_EQ(size.cx, 3 * c.cellWidth);
        EXPECT_EQ(size.cy, c.cellHeight);
        TEXTMETRICA tm{};
        ASSERT_TRUE(GetTextMetricsA(hdc_, &tm));
        EXPECT_EQ(tm.tmHeight, c.cellHeight);
        EXPECT_EQ(tm.tmAscent, c.ascent);
        EXPECT_EQ(tm.tmAveCharWidth, c.cellWidth);

        // One glyph: ink from column 1 to width - 2 and row 2 to ascent - 1, on an opaque cell.
        Win32Test_FillWindow(w_, kSentinel);
        TextOutA(hdc_, 0, 0, "A", 1);
        EXPECT_EQ(Row(w_, 4, 0, c.cellWidth + 1), "p" + std::string(c.cellWidth - 2, 'i') + "p.");
        EXPECT_EQ(Row(w_, c.ascent - 1, 1, 2), "i");
        EXPECT_EQ(Row(w_, c.ascent, 1, 2), "p");
        EXPECT_EQ(Row(w_, c.cellHeight - 1, 0, 1), "p");
        EXPECT_EQ(Row(w_, c.cellHeight, 0, 1), ".");

        // DrawText centres a single line by the font's height.
        Win32Test_FillWindow(w_, kSentinel);
        RECT r{0, 0, 100, 40};
        EXPECT_EQ(DrawTextA(hdc_, "A", 1, &r, DT_SINGLELINE | DT_VCENTER), (40 - c.cellHeight) / 2 + c.cellHeight);
        EXPECT_EQ(Row(w_, (40 - c.cellHeight) / 2 + 2, 0, 2), "pi");
        SelectObject(hdc_, old);
        DeleteObject(font);
    }
}
