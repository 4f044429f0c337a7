// Test fixture for the native kirno32: a fresh stand-in, the library loaded with its bitmap, and window helpers.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <win32_test_control.h>

#include <string>
#include <vector>

#include "kirno_state.h"

class KirnoTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The library as a setup program sees it after Ctl3dRegister.
  void Register() { ASSERT_TRUE(Ctl3dRegister(module_)); }

  // A visible top-level window standing in for a dialog's parent area, at (0, 0).
  HWND MakeParent(int width = 300, int height = 200, LPCSTR className = "KirnoTestParent");
  // A visible child of the given class, style and id at (x, y).
  HWND MakeChild(HWND parent, LPCSTR className, DWORD style, int x, int y, int width, int height,
                 int id = 100, LPCSTR text = "");
  // A dialog window of the platform's dialog class.
  HWND MakeDialog(DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME, int width = 200, int height = 150);

  COLORREF Pixel(HWND window, int x, int y) { return Win32Test_GetPixel(window, x, y); }

  // The pixels of a window row from x0 to x1 exclusive, as colour-set indices ('?' for others).
  std::string Row(HWND window, int y, int x0, int x1);
  std::string Column(HWND window, int x, int y0, int y1);
  char Letter(COLORREF color);

  HINSTANCE module_ = nullptr;
  HINSTANCE caller_ = nullptr;
};

// Colours of the default scheme, for readable expectations.
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kGrey = 0xC0C0C0;
constexpr COLORREF kDarkGrey = 0x808080;

// The platform the tests run on unless they say otherwise.
constexpr DWORD kWindowsNt351 = 0x04213303;
