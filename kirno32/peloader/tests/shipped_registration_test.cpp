// The shipped DLL's registration, its count and the platforms it refuses, and its colour set and check bitmap.
#include "shipped_fixture.h"

#include <array>
#include <fstream>
#include <iterator>

namespace {

using ShippedRegistration = ShippedDll;

TEST_F(ShippedRegistration, FixedAnswers) {
  EXPECT_EQ(kirno.Ctl3dGetVer(), 0x0205);
  EXPECT_EQ(kirno.Ctl3dSetStyle(nullptr, nullptr, 0), FALSE);
  EXPECT_EQ(kirno.Ctl3dCtlColor(nullptr, nullptr), nullptr);
  EXPECT_FALSE(kirno.Ctl3dEnabled()) << "enabled before registration";
}

TEST_F(ShippedRegistration, CountedUntilTheLastUnregister) {
  HWND parent = MakeParent();
  ASSERT_TRUE(kirno.Ctl3dRegister(caller_));
  ASSERT_TRUE(kirno.Ctl3dRegister(caller_));
  EXPECT_TRUE(kirno.Ctl3dUnregister(caller_));
  EXPECT_TRUE(kirno.Ctl3dEnabled()) << "one registration is left";
  EXPECT_TRUE(kirno.Ctl3dSubclassCtl(MakeChild(parent, "Button", WS_VISIBLE, 0, 0, 50, 20)));
  EXPECT_TRUE(kirno.Ctl3dUnregister(caller_));
  EXPECT_FALSE(kirno.Ctl3dEnabled());
  EXPECT_FALSE(kirno.Ctl3dSubclassCtl(MakeChild(parent, "Button", WS_VISIBLE, 0, 30, 50, 20)));
  EXPECT_EQ(kirno.Ctl3dCtlColorEx(WM_CTLCOLORBTN, 0, 0), nullptr);
  EXPECT_EQ(Win32Test_LiveGdiObjects(), 0) << "brushes and bitmap outlive the last registration";
  // A later registration starts again from the beginning.
  EXPECT_TRUE(kirno.Ctl3dRegister(caller_));
  EXPECT_TRUE(kirno.Ctl3dEnabled());
}

TEST_F(ShippedRegistration, PlatformsAndDisplays) {
  struct Case {
    const char* name;
    DWORD version;
    int bitsPerPixel;
    int width, height;
    bool registers, autoSubclasses;
  };
  const Case cases[] = {
      {"NT 3.51", kWindowsNt351, 32, 1024, 768, true, true},
      {"NT 3.10", 0x02000A03, 32, 1024, 768, true, true},
      {"NT 3.1", 0x01000103, 32, 1024, 768, true, false},  // before 0x30A: no creation hook
      {"Windows 95 (4.0, not NT): counted as 3.0", 0xC0000004, 32, 1024, 768, true, false},
      {"NT 4.0", 0x05650004, 32, 1024, 768, false, false},
      {"2 colours", kWindowsNt351, 1, 1024, 768, false, false},
      {"16 colours", kWindowsNt351, 4, 1024, 768, true, true},
      {"640 x 350", kWindowsNt351, 32, 640, 350, false, false},
      {"640 x 480", kWindowsNt351, 32, 640, 480, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UnloadShippedDll(dll_);
    Win32Test_Reset();
    Win32Test_SetVersion(c.version);
    Win32Test_SetDeviceCaps(BITSPIXEL, c.bitsPerPixel);
    Win32Test_SetScreenSize(c.width, c.height);
    dll_ = LoadShippedDll();
    caller_ = Win32Test_CreateModule("setup.exe");
    EXPECT_EQ(kirno.Ctl3dRegister(caller_), c.registers);
    EXPECT_EQ(kirno.Ctl3dEnabled(), c.registers);
    EXPECT_EQ(kirno.Ctl3dAutoSubclass(caller_), c.autoSubclasses);
  }
}

TEST_F(ShippedRegistration, NeedsItsOwnBitmapResource) {
  LoadedDll bare = LoadShippedDll(false);
  EXPECT_FALSE(bare.calls.Ctl3dRegister(caller_)) << "registered without the check bitmap";
  EXPECT_FALSE(bare.calls.Ctl3dEnabled());
  UnloadShippedDll(bare);
  EXPECT_TRUE(kirno.Ctl3dRegister(caller_));
}

TEST_F(ShippedRegistration, ColourMessagesAnswerWithTheFace) {
  const COLORREF face = RGB(0xD4, 0xD0, 0xC8), text = RGB(0x10, 0x20, 0x30);
  Win32Test_SetSysColor(COLOR_BTNFACE, face);
  Win32Test_SetSysColor(COLOR_BTNTEXT, text);
  ASSERT_TRUE(kirno.Ctl3dRegister(caller_));
  HWND parent = MakeParent();
  HDC dc = GetDC(parent);
  const std::pair<UINT, bool> cases[] = {
      {WM_CTLCOLORBTN, true},       {WM_CTLCOLORDLG, true},        {WM_CTLCOLORSTATIC, true},
      {WM_CTLCOLOREDIT, false},     {WM_CTLCOLORMSGBOX, false},    {WM_CTLCOLORSCROLLBAR, false},
  };
  for (const auto& [message, answered] : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << message);
    SetTextColor(dc, RGB(9, 9, 9));
    SetBkColor(dc, RGB(8, 8, 8));
    HBRUSH brush = kirno.Ctl3dCtlColorEx(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(parent));
    ASSERT_EQ(brush != nullptr, answered);
    if (brush) {
      LOGBRUSH logical = {};
      ASSERT_EQ(GetObjectA(brush, sizeof logical, &logical), static_cast<int>(sizeof logical));
      EXPECT_EQ(logical.lbColor, face);
    }
    EXPECT_EQ(GetTextColor(dc), answered ? text : RGB(9, 9, 9));
    EXPECT_EQ(GetBkColor(dc), answered ? face : RGB(8, 8, 8));
  }
  ReleaseDC(parent, dc);
}

TEST_F(ShippedRegistration, ColourChangeRebuildsOnlyWhenColoursChanged) {
  ASSERT_TRUE(kirno.Ctl3dRegister(caller_));
  const int created = Win32Test_CreatedGdiObjects();
  EXPECT_TRUE(kirno.Ctl3dColorChange());
  EXPECT_EQ(Win32Test_CreatedGdiObjects(), created) << "rebuilt an unchanged set";
  const COLORREF face = RGB(0x80, 0x90, 0xA0);
  Win32Test_SetSysColor(COLOR_BTNFACE, face);
  EXPECT_TRUE(kirno.Ctl3dColorChange());
  EXPECT_EQ(Win32Test_CreatedGdiObjects(), created + 4) << "three brushes and the bitmap";
  EXPECT_EQ(Win32Test_LiveGdiObjects(), 4) << "the old set is deleted";
  HBRUSH brush = kirno.Ctl3dCtlColorEx(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(GetDC(nullptr)), 0);
  LOGBRUSH logical = {};
  GetObjectA(brush, sizeof logical, &logical);
  EXPECT_EQ(logical.lbColor, face);
}

// The 70 x 39 four-bit check bitmap from the built file, its colour table patched as registration does.
struct CheckBitmap {
  std::vector<unsigned char> file;
  std::array<COLORREF, 16> colors{};

  explicit CheckBitmap(const char* path) {
    std::ifstream in(path, std::ios::binary);
    file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    for (int i = 0; i < 16 && file.size() >= 14 + 40 + 64; ++i) {
      const unsigned char* q = &file[14 + 40 + i * 4];
      colors[i] = RGB(q[2], q[1], q[0]);
    }
    const std::pair<int, int> patched[] = {{0, COLOR_WINDOWTEXT}, {7, COLOR_BTNSHADOW}, {8, COLOR_BTNFACE},
                                           {10, COLOR_WINDOWFRAME}, {11, COLOR_WINDOW}, {15, COLOR_BTNHIGHLIGHT}};
    for (const auto& [entry, system] : patched) colors[entry] = GetSysColor(system);
  }
  // Rows are stored bottom-up, 36 bytes each, two pixels a byte, the left one in the high nibble.
  COLORREF Pixel(int x, int y) const {
    const size_t at = 14 + 40 + 64 + (38 - y) * 36 + x / 2;
    if (at >= file.size()) return CLR_INVALID;
    return colors[x % 2 ? file[at] & 0xF : file[at] >> 4];
  }
};

// Painted check boxes show the cell of the DLL's own bitmap in the scheme's colours.
TEST_F(ShippedRegistration, CheckBoxesShowTheDllsBitmapInTheSchemesColours) {
  const std::pair<int, COLORREF> scheme[] = {{COLOR_WINDOW, RGB(250, 250, 240)}, {COLOR_WINDOWTEXT, RGB(0, 0, 120)},
                                             {COLOR_BTNSHADOW, RGB(100, 90, 80)}, {COLOR_BTNFACE, RGB(200, 190, 180)},
                                             {COLOR_WINDOWFRAME, RGB(20, 10, 0)},  {COLOR_BTNHIGHLIGHT, RGB(255, 255, 200)}};
  for (const auto& [index, color] : scheme) Win32Test_SetSysColor(index, color);
  const CheckBitmap bitmap(KIRNO_CHECK_BMP);
  ASSERT_NE(bitmap.Pixel(69, 38), CLR_INVALID) << "no check bitmap at " << KIRNO_CHECK_BMP;
  ASSERT_TRUE(kirno.Ctl3dRegister(caller_));
  HWND dialog = MakeDialog(WS_POPUP | WS_VISIBLE, 300, 200);
  kirno.Ctl3dSubclassDlgEx(dialog, KIRNO_TYPE_ALL);

  struct Case {
    DWORD style;
    UINT check;
    bool enabled;
    int column, row;
  };
  const Case cases[] = {
      {BS_AUTOCHECKBOX, BST_UNCHECKED, true, 0, 0}, {BS_AUTOCHECKBOX, BST_CHECKED, true, 1, 0},
      {BS_AUTOCHECKBOX, BST_CHECKED, false, 4, 0},  {BS_AUTORADIOBUTTON, BST_CHECKED, true, 1, 1},
      {BS_AUTO3STATE, BST_INDETERMINATE, true, 1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " check " << c.check << " enabled " << c.enabled);
    HWND box = MakeChild(dialog, "Button", WS_VISIBLE | c.style, 20, 20, 80, 17, 100, "Yes");
    ASSERT_TRUE(kirno.Ctl3dSubclassCtl(box));
    SendMessageA(box, BM_SETCHECK, c.check, 0);
    EnableWindow(box, c.enabled);
    Win32Test_FillWindow(box, WIN32TEST_UNPAINTED);
    SendMessageA(box, WM_PAINT, 0, 0);
    const int top = (17 - 13) / 2;
    int wrong = 0;
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 14; ++x)
        wrong += Win32Test_GetPixel(box, x, top + y) != bitmap.Pixel(c.column * 14 + x, c.row * 13 + y);
    EXPECT_EQ(wrong, 0) << "pixels unlike cell (" << c.column << ", " << c.row << ")";
    DestroyWindow(box);
  }
}

}  // namespace
