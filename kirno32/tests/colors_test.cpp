// The colour set: grey-text and highlight rules, rebuilding on colour changes, and the recoloured check bitmap.
#include "kirno_fixture.h"

namespace {

using ColorSet = KirnoTest;

TEST_F(ColorSet, GreyTextStaysReadableOnTheFace) {
  struct Case {
    COLORREF face, grayText, expected;
  };
  const Case cases[] = {
      {0x808080, 0x808080, 0xC0C0C0},  // equal to a dark face: light grey
      {0xC0C0C0, 0x000000, 0x808080},  // none at all: dark grey
      {0xC0C0C0, 0xC0C0C0, 0x808080},
      {0x808080, 0x000000, 0xC0C0C0},
      {0xC0C0C0, 0x404040, 0x404040},  // a usable grey is kept
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.face << "/" << c.grayText);
    TearDown();
    SetUp();
    Win32Test_SetSysColor(COLOR_BTNFACE, c.face);
    Win32Test_SetSysColor(COLOR_GRAYTEXT, c.grayText);
    Register();
    EXPECT_EQ(g_kirno.colors[kColorGrayText], c.expected);
  }
}

TEST_F(ColorSet, ReadsEachRoleFromItsSystemColour) {
  const int indices[kColorCount] = {COLOR_BTNHIGHLIGHT, COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNTEXT,
                                    COLOR_WINDOW,       COLOR_WINDOWTEXT, COLOR_GRAYTEXT, COLOR_WINDOWFRAME};
  for (int i = 0; i < kColorCount; ++i) Win32Test_SetSysColor(indices[i], RGB(10 + i, 20 + i, 30 + i));
  Register();
  for (int i = 0; i < kColorCount; ++i) EXPECT_EQ(g_kirno.colors[i], RGB(10 + i, 20 + i, 30 + i)) << i;
}

TEST_F(ColorSet, UnchangedColoursMakeNoObjects) {
  Register();
  int created = Win32Test_CreatedGdiObjects();
  HBRUSH face = g_kirno.brushes[kBrushFace];
  EXPECT_TRUE(Ctl3dColorChange());
  EXPECT_EQ(Win32Test_CreatedGdiObjects(), created);
  EXPECT_EQ(g_kirno.brushes[kBrushFace], face);
}

TEST_F(ColorSet, ChangedColoursReplaceBrushesAndBitmap) {
  Register();
  HBITMAP oldBitmap = g_kirno.checkBitmap;
  Win32Test_SetSysColor(COLOR_BTNFACE, RGB(1, 2, 3));
  EXPECT_TRUE(Ctl3dColorChange());
  EXPECT_EQ(g_kirno.colors[kColorFace], RGB(1, 2, 3));
  EXPECT_NE(g_kirno.checkBitmap, oldBitmap);
  EXPECT_EQ(Win32Test_LiveGdiObjects(), 4);  // the old set is deleted
}

TEST_F(ColorSet, FailedRebuildKeepsTheSetInForce) {
  Register();
  COLORREF face = g_kirno.colors[kColorFace];
  HBRUSH faceBrush = g_kirno.brushes[kBrushFace];
  Win32Test_SetSysColor(COLOR_BTNFACE, RGB(1, 2, 3));
  Win32Test_FailAfter(WIN32TEST_FAIL_GDI_OBJECT, 1);
  EXPECT_FALSE(Ctl3dColorChange());
  EXPECT_EQ(g_kirno.colors[kColorFace], face);
  EXPECT_EQ(g_kirno.brushes[kBrushFace], faceBrush);
  EXPECT_EQ(Win32Test_LiveGdiObjects(), 4);
}

TEST_F(ColorSet, ColourChangeWhileDisabledDoesNothing) {
  EXPECT_FALSE(Ctl3dColorChange());
  EXPECT_EQ(Win32Test_CreatedGdiObjects(), 0);
}

// The bitmap's colour-table entries follow the user's scheme: each part of a cell shows the
// system colour it stands for.
TEST_F(ColorSet, CheckBitmapTakesTheSystemColours) {
  Win32Test_SetSysColor(COLOR_WINDOW, RGB(1, 1, 1));
  Win32Test_SetSysColor(COLOR_WINDOWTEXT, RGB(2, 2, 2));
  Win32Test_SetSysColor(COLOR_BTNSHADOW, RGB(3, 3, 3));
  Win32Test_SetSysColor(COLOR_BTNFACE, RGB(4, 4, 4));
  Win32Test_SetSysColor(COLOR_WINDOWFRAME, RGB(5, 5, 5));
  Win32Test_SetSysColor(COLOR_BTNHIGHLIGHT, RGB(6, 6, 6));
  Register();
  HBITMAP bitmap = g_kirno.checkBitmap;
  // Column 0, row 0: an empty box; column 1 row 0 is marked.
  EXPECT_EQ(Win32Test_GetBitmapPixel(bitmap, 0, 0), RGB(3, 3, 3));    // outer top-left: shadow
  EXPECT_EQ(Win32Test_GetBitmapPixel(bitmap, 1, 1), RGB(5, 5, 5));    // inner top-left: frame
  EXPECT_EQ(Win32Test_GetBitmapPixel(bitmap, 11, 11), RGB(4, 4, 4));  // inner bottom-right: face
  EXPECT_EQ(Win32Test_GetBitmapPixel(bitmap, 12, 12), RGB(6, 6, 6));  // outer bottom-right: highlight
  EXPECT_EQ(Win32Test_GetBitmapPixel(bitmap, 6, 6), RGB(1, 1, 1));    // inside: window
  EXPECT_EQ(Win32Test_GetBitmapPixel(bitmap, 13, 6), RGB(4, 4, 4));   // beside the box: face
  EXPECT_EQ(Win32Test_GetBitmapPixel(bitmap, 14 + 3, 3 + 3), RGB(2, 2, 2));  // the mark: window text
  EXPECT_EQ(Win32Test_GetBitmapPixel(bitmap, 69, 38), RGB(4, 4, 4));
}

TEST_F(ColorSet, ColourMessagesAnswerWithTheFace) {
  Register();
  HWND parent = MakeParent();
  HWND list = MakeChild(parent, "ListBox", WS_VISIBLE, 0, 0, 50, 50);
  HWND combo = MakeChild(parent, "ComboBox", WS_VISIBLE | CBS_DROPDOWN, 0, 60, 80, 20);
  HWND comboList = MakeChild(parent, "ComboBox", WS_VISIBLE | CBS_DROPDOWNLIST, 0, 90, 80, 20);
  HDC dc = GetDC(parent);
  struct Case {
    UINT message;
    HWND control;
    bool answered;
  };
  const Case cases[] = {
      {WM_CTLCOLORMSGBOX, parent, false}, {WM_CTLCOLOREDIT, parent, false},
      {WM_CTLCOLORLISTBOX, list, false},  // a list without children
      {WM_CTLCOLORLISTBOX, combo, true},  {WM_CTLCOLORLISTBOX, comboList, false},
      {WM_CTLCOLORBTN, parent, true},     {WM_CTLCOLORDLG, parent, true},
      {WM_CTLCOLORSCROLLBAR, parent, false}, {WM_CTLCOLORSTATIC, parent, true},
      {0x0139, parent, true},            {0x0131, parent, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.message);
    SetTextColor(dc, RGB(9, 9, 9));
    SetBkColor(dc, RGB(8, 8, 8));
    HBRUSH brush = Ctl3dCtlColorEx(c.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(c.control));
    EXPECT_EQ(brush, c.answered ? g_kirno.brushes[kBrushFace] : nullptr);
    EXPECT_EQ(GetTextColor(dc), c.answered ? g_kirno.colors[kColorButtonText] : RGB(9, 9, 9));
    EXPECT_EQ(GetBkColor(dc), c.answered ? g_kirno.colors[kColorFace] : RGB(8, 8, 8));
  }
  ReleaseDC(parent, dc);
  Ctl3dUnregister(caller_);
  EXPECT_EQ(Ctl3dCtlColorEx(WM_CTLCOLORBTN, 0, 0), nullptr);
}

}  // namespace
