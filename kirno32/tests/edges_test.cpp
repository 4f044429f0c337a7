// DrawEdges and DrawSunkenBorder, pixel by pixel.
#include "kirno_fixture.h"

namespace {

class Edges : public KirnoTest {
 protected:
  void SetUp() override {
    KirnoTest::SetUp();
    Register();
    window_ = MakeParent(40, 40);
    Win32Test_FillWindow(window_, WIN32TEST_UNPAINTED);
    dc_ = GetWindowDC(window_);
  }
  void TearDown() override {
    ReleaseDC(window_, dc_);
    KirnoTest::TearDown();
  }
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

TEST_F(Edges, AllFourEdgesWithCornersInColourB) {
  RECT r = {10, 10, 20, 20};
  SetBkColor(dc_, RGB(7, 7, 7));
  DrawEdges(dc_, &r, kColorShadow, kColorHighlight, kEdgeAll);
  EXPECT_EQ(Row(window_, 10, 9, 21), ".dddddddddw.");
  EXPECT_EQ(Column(window_, 10, 9, 21), ".dddddddddw.");
  EXPECT_EQ(Row(window_, 19, 9, 21), ".wwwwwwwwww.");
  EXPECT_EQ(Column(window_, 19, 9, 21), ".wwwwwwwwww.");
  EXPECT_EQ(Row(window_, 15, 11, 19), "........") << "inside untouched";
  EXPECT_EQ(GetBkColor(dc_), RGB(7, 7, 7)) << "background colour restored";
}

TEST_F(Edges, EachBitPaintsOneEdge) {
  struct Case {
    UINT edges;
    const char* top;     // row 10, columns 10..19
    const char* bottom;  // row 19
    const char* left;    // column 10, rows 11..18
    const char* right;   // column 19, rows 11..18
  };
  const Case cases[] = {
      {kEdgeTop, "dddddddddd", "..........", "........", "........"},
      {kEdgeLeft, "d.........", "d.........", "dddddddd", "........"},
      {kEdgeRight, ".........w", ".........w", "........", "wwwwwwww"},
      {kEdgeBottom, "..........", "wwwwwwwwww", "........", "........"},
      {kEdgeBottom | kEdgeShortBottom, "..........", "wwwwwwww..", "........", "........"},
      {kEdgeRight | kEdgeBottom, ".........w", "wwwwwwwwww", "........", "wwwwwwww"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.edges);
    Win32Test_FillWindow(window_, WIN32TEST_UNPAINTED);
    RECT r = {10, 10, 20, 20};
    DrawEdges(dc_, &r, kColorShadow, kColorHighlight, c.edges);
    EXPECT_EQ(Row(window_, 10, 10, 20), c.top);
    EXPECT_EQ(Row(window_, 19, 10, 20), c.bottom);
    EXPECT_EQ(Column(window_, 10, 11, 19), c.left);
    EXPECT_EQ(Column(window_, 19, 11, 19), c.right);
  }
}

TEST_F(Edges, SunkenBorderHasItsInnerRingOnTheRectangle) {
  RECT r = {10, 10, 20, 20};
  DrawSunkenBorder(dc_, &r, kEdgeAll);
  // Outer ring (9..20): shadow top-left, highlight bottom-right; inner ring: black top-left, face bottom-right.
  EXPECT_EQ(Row(window_, 9, 8, 22), ".dddddddddddw.");
  EXPECT_EQ(Row(window_, 10, 8, 22), ".dkkkkkkkkkgw.");
  EXPECT_EQ(Row(window_, 15, 8, 22), ".dk........gw.");
  EXPECT_EQ(Row(window_, 19, 8, 22), ".dggggggggggw.");
  EXPECT_EQ(Row(window_, 20, 8, 22), ".wwwwwwwwwwww.");
}

TEST_F(Edges, SunkenBorderPassesTheShortBottomToTheOuterRingOnly) {
  RECT r = {10, 10, 20, 20};
  DrawSunkenBorder(dc_, &r, kEdgeBottom | kEdgeShortBottom);
  EXPECT_EQ(Row(window_, 19, 8, 22), "..gggggggggg..");
  EXPECT_EQ(Row(window_, 20, 8, 22), ".wwwwwwwwww...");
  EXPECT_EQ(Row(window_, 10, 8, 22), "..............");
}

}  // namespace
