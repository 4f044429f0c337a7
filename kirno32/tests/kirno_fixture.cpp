// The shared fixture: resets the stand-in and the library, and registers the check bitmap resource.
#include "kirno_fixture.h"

#include <fstream>
#include <iterator>

namespace {

// The packed DIB of the built .bmp: the file without its 14-byte file header.
const std::vector<char>& CheckBitmapResource() {
  static const std::vector<char> bytes = [] {
    std::ifstream in(KIRNO_CHECK_BMP, std::ios::binary);
    std::vector<char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return file.size() > 14 ? std::vector<char>(file.begin() + 14, file.end()) : std::vector<char>();
  }();
  return bytes;
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void KirnoTest::SetUp() {
  Win32Test_Reset();
  // Windows NT 3.51: major 3 in the low byte, minor 51 in the next, build 1057 above.
  Win32Test_SetVersion(kWindowsNt351);
  KirnoResetState();
  module_ = Win32Test_CreateModule("kirno32.dll");
  caller_ = Win32Test_CreateModule("setup.exe");
  const std::vector<char>& dib = CheckBitmapResource();
  ASSERT_FALSE(dib.empty()) << "check bitmap not built at " << KIRNO_CHECK_BMP;
  ASSERT_TRUE(Win32Test_AddResource(module_, MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(KIRNO_CHECK_BITMAP_ID), dib.data(),
                                    static_cast<DWORD>(dib.size())));
  DllMain(module_, DLL_PROCESS_ATTACH, nullptr);

  WNDCLASSA parentClass = {};
  parentClass.lpfnWndProc = PlainProc;
  parentClass.hInstance = caller_;
  parentClass.lpszClassName = "KirnoTestParent";
  RegisterClassA(&parentClass);
}

void KirnoTest::TearDown() {
  while (g_kirno.registrationCount > 0) Ctl3dUnregister(caller_);
  KirnoResetState();
  Win32Test_Reset();
}

HWND KirnoTest::MakeParent(int width, int height, LPCSTR className) {
  return CreateWindowExA(0, className, "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                         caller_, nullptr);
}

HWND KirnoTest::MakeChild(HWND parent, LPCSTR className, DWORD style, int x, int y, int width, int height,
                          int id, LPCSTR text) {
  return CreateWindowExA(0, className, text, style | WS_CHILD, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), caller_, nullptr);
}

HWND KirnoTest::MakeDialog(DWORD style, int width, int height) {
  return CreateWindowExA(0, WC_DIALOG, "Setup", style, 0, 0, width, height, nullptr, nullptr, caller_, nullptr);
}

char KirnoTest::Letter(COLORREF color) {
  // Several roles share a colour in the default scheme, so the letters name colours:
  // w white, g grey (face), d dark grey (shadow), k black, '.' never painted.
  switch (color) {
    case kWhite: return 'w';
    case kGrey: return 'g';
    case kDarkGrey: return 'd';
    case kBlack: return 'k';
    case WIN32TEST_UNPAINTED: return '.';
    default: return '?';
  }
}

std::string KirnoTest::Row(HWND window, int y, int x0, int x1) {
  std::string row;
  for (int x = x0; x < x1; ++x) row += Letter(Pixel(window, x, y));
  return row;
}

std::string KirnoTest::Column(HWND window, int x, int y0, int y1) {
  std::string column;
  for (int y = y0; y < y1; ++y) column += Letter(Pixel(window, x, y));
  return column;
}
