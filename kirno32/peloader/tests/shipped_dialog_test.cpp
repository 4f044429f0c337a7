// A whole dialog with every control kind, painted by the shipped DLL and by the native build: one picture.
#include "shipped_fixture.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>

#include "kirno_state.h"

namespace {

// Every kind of control the library paints, in the states that change their look.
HWND CreateEveryControlDialog(HINSTANCE instance) {
  DialogTemplate t(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME, 240, 180, "Every control");
  const WORD button = 0x0080, edit = 0x0081, label = 0x0082, list = 0x0083, combo = 0x0085;
  const DWORD child = WS_CHILD | WS_VISIBLE;
  t.Item(button, child | BS_DEFPUSHBUTTON, 6, 6, 50, 14, 1, "&OK");
  t.Item(button, child | BS_PUSHBUTTON, 60, 6, 50, 14, 2, "Cancel");
  t.Item(button, child | WS_DISABLED | BS_PUSHBUTTON, 114, 6, 50, 14, 3, "Help");
  t.Item(button, child | BS_AUTOCHECKBOX, 6, 24, 70, 10, 4, "Checked");
  t.Item(button, child | BS_AUTOCHECKBOX, 80, 24, 70, 10, 5, "Unchecked");
  t.Item(button, child | WS_DISABLED | BS_AUTOCHECKBOX, 154, 24, 70, 10, 6, "Disabled");
  t.Item(button, child | BS_AUTORADIOBUTTON, 6, 36, 70, 10, 7, "Radio on");
  t.Item(button, child | BS_AUTORADIOBUTTON, 80, 36, 70, 10, 8, "Radio off");
  t.Item(button, child | BS_AUTO3STATE, 154, 36, 70, 10, 9, "Maybe");
  t.Item(button, child | BS_GROUPBOX, 4, 50, 110, 60, 10, "Group");
  t.Item(edit, child | WS_BORDER, 10, 62, 96, 12, 11, "C:\\SETUP");
  t.Item(list, child | WS_BORDER, 10, 78, 96, 28, 12, "");
  t.Item(combo, child | CBS_SIMPLE, 120, 50, 60, 44, 13, "");
  t.Item(combo, child | CBS_DROPDOWN, 120, 100, 60, 40, 14, "");
  t.Item(combo, child | CBS_DROPDOWNLIST, 120, 116, 60, 40, 15, "");
  t.Item(label, child | SS_LEFT, 6, 114, 100, 10, 16, "Left text");
  t.Item(label, child | SS_CENTER, 6, 126, 100, 10, 17, "Centred");
  t.Item(label, child | SS_RIGHT | WS_DISABLED, 6, 138, 100, 10, 18, "Disabled right");
  t.Item(label, child | SS_LEFTNOWORDWRAP, 6, 150, 100, 10, 19, "No\twrap at all here");
  t.Item(label, child | SS_BLACKFRAME, 186, 50, 20, 20, 20, "");
  t.Item(label, child | SS_GRAYRECT, 210, 50, 20, 20, 21, "");
  t.Item(label, child | SS_WHITEFRAME, 186, 74, 20, 20, 22, "");
  HWND dialog = CreateDialogIndirectParamA(instance, t.Get(), nullptr, nullptr, 0);
  if (!dialog) return nullptr;
  CheckDlgButton(dialog, 4, BST_CHECKED);
  CheckDlgButton(dialog, 6, BST_CHECKED);
  CheckDlgButton(dialog, 7, BST_CHECKED);
  CheckDlgButton(dialog, 9, BST_INDETERMINATE);
  for (const char* item : {"Typical", "Compact", "Custom"}) {
    SendDlgItemMessageA(dialog, 12, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    for (int id : {13, 14, 15}) SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  for (int id : {13, 14, 15}) SendDlgItemMessageA(dialog, id, CB_SETCURSEL, 1, 0);
  return dialog;
}

std::vector<char> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ShippedDialogPicture : public ShippedDll {
 protected:
  // The dialog after a full repaint cycle, as the screen shows it (a 24-bit BMP file's bytes);
  // `calls` null paints it without the library.
  std::vector<char> Picture(const KirnoCalls* calls, const std::string& name) {
    ResetStandIn();
    for (const auto& [index, colour] : scheme_) Win32Test_SetSysColor(index, colour);
    if (calls) {
      EXPECT_TRUE(calls->Ctl3dRegister(caller_));
      EXPECT_TRUE(calls->Ctl3dAutoSubclass(caller_));
    }
    HWND dialog = CreateEveryControlDialog(caller_);
    EXPECT_NE(dialog, nullptr);
    if (calls) {
      EXPECT_EQ(ProcedureOf(dialog), calls->Ctl3dDlgProc);
    }
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const std::string path = testing::TempDir() + "kirno32_" + name + ".bmp";
    EXPECT_TRUE(Win32Test_SaveCompositeBitmap(dialog, path.c_str()));
    DestroyWindow(dialog);
    if (calls) calls->Ctl3dUnregister(caller_);
    paths_.push_back(path);
    return ReadBytes(path);
  }
  // The pictures stay for looking at only when the test failed.
  void TearDown() override {
    if (!HasFailure())
      for (const std::string& path : paths_) std::remove(path.c_str());
    ShippedDll::TearDown();
  }
  std::vector<std::pair<int, COLORREF>> scheme_;  // system colours set before each picture
  std::vector<std::string> paths_;
};

// Pixels of a 24-bit bottom-up BMP as 0xRRGGBB values, for saying where two pictures differ.
std::set<unsigned> Colours(const std::vector<char>& bmp) {
  std::set<unsigned> colours;
  for (size_t i = 54; i + 2 < bmp.size(); i += 3)
    colours.insert(static_cast<unsigned char>(bmp[i]) | static_cast<unsigned char>(bmp[i + 1]) << 8 |
                   static_cast<unsigned char>(bmp[i + 2]) << 16);
  return colours;
}

size_t FirstDifference(const std::vector<char>& a, const std::vector<char>& b) {
  size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  return i;
}

TEST_F(ShippedDialogPicture, SameAsTheNativeBuild) {
  const std::vector<char> plain = Picture(nullptr, "plain");
  const KirnoCalls native = AttachNative(dll_.module);
  const std::vector<char> nativePicture = Picture(&native, "native");
  KirnoResetState();
  const std::vector<char> shipped = Picture(&kirno, "shipped");

  ASSERT_GT(nativePicture.size(), 54u);
  EXPECT_NE(nativePicture, plain) << "the library changed nothing: " << paths_[0] << " " << paths_[1];
  // The 3-D look paints in face, shadow and highlight, and black outlines.
  const std::set<unsigned> colours = Colours(nativePicture);
  for (unsigned wanted : {0xC0C0C0u, 0x808080u, 0xFFFFFFu, 0x000000u})
    EXPECT_TRUE(colours.count(wanted)) << std::hex << wanted << " missing from " << paths_[1];
  ASSERT_EQ(shipped.size(), nativePicture.size());
  const size_t at = FirstDifference(shipped, nativePicture);
  EXPECT_EQ(at, shipped.size()) << "the DLL paints differently from byte " << at << ": " << paths_[2]
                                << " against " << paths_[1];
}

// The same in other schemes: one whose roles all differ, so a colour taken for another shows, and a
// dark face with grey text equal to it, which the library replaces by a readable grey.
TEST_F(ShippedDialogPicture, SameAsTheNativeBuildInOtherSchemes) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, COLORREF>> scheme;
    unsigned mustShow;  // 0xRRGGBB
  };
  const Case cases[] = {
      {"distinct",
       {{COLOR_BTNFACE, RGB(212, 208, 200)}, {COLOR_BTNSHADOW, RGB(128, 100, 90)},
        {COLOR_BTNHIGHLIGHT, RGB(255, 250, 230)}, {COLOR_BTNTEXT, RGB(20, 0, 60)}, {COLOR_WINDOW, RGB(250, 255, 245)},
        {COLOR_WINDOWTEXT, RGB(0, 40, 0)}, {COLOR_GRAYTEXT, RGB(150, 140, 130)}, {COLOR_WINDOWFRAME, RGB(10, 20, 30)}},
       0xD4D0C8},
      {"dark", {{COLOR_BTNFACE, 0x808080}, {COLOR_GRAYTEXT, 0x808080}, {COLOR_BTNSHADOW, 0x404040},
                {COLOR_BTNHIGHLIGHT, 0xE0E0E0}},
       0xC0C0C0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    scheme_ = c.scheme;
    const KirnoCalls native = AttachNative(dll_.module);
    const std::vector<char> nativePicture = Picture(&native, std::string("native_") + c.name);
    KirnoResetState();
    const std::vector<char> shipped = Picture(&kirno, std::string("shipped_") + c.name);
    ASSERT_GT(nativePicture.size(), 54u);
    EXPECT_TRUE(Colours(nativePicture).count(c.mustShow)) << std::hex << c.mustShow << " missing from "
                                                          << paths_[paths_.size() - 2];
    ASSERT_EQ(shipped.size(), nativePicture.size());
    const size_t at = FirstDifference(shipped, nativePicture);
    EXPECT_EQ(at, shipped.size()) << "the DLL paints differently from byte " << at << ": " << paths_.back()
                                  << " against " << paths_[paths_.size() - 2];
  }
}

}  // namespace
