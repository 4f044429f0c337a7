// The shipped kirno32.dll mapped afresh for each test, its imports bound to the stand-in, its exports at hand.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <win32_test_control.h>

#include <memory>
#include <string>
#include <vector>

#include "kirno32.h"
#include "pe_image.h"

#define KIRNO_EXPORT_NAMES(X)                                                                                 \
  X(Ctl3dRegister) X(Ctl3dUnregister) X(Ctl3dAutoSubclass) X(Ctl3dSubclassDlg) X(Ctl3dSubclassDlgEx)          \
  X(Ctl3dSubclassCtl) X(Ctl3dCtlColor) X(Ctl3dCtlColorEx) X(Ctl3dDlgFramePaint) X(Ctl3dDlgProc)               \
  X(Ctl3dSetStyle) X(Ctl3dGetVer) X(Ctl3dEnabled) X(Ctl3dColorChange) X(Ctl3dWinIniChange) X(BtnWndProc3d)    \
  X(EditWndProc3d) X(ListWndProc3d) X(ComboWndProc3d) X(StaticWndProc3d) X(EnumFile)

// The library's calls with the header's types: the DLL's exports, or the linked native build's.
struct KirnoCalls {
#define KIRNO_CALL_MEMBER(name) decltype(&::name) name = nullptr;
  KIRNO_EXPORT_NAMES(KIRNO_CALL_MEMBER)
#undef KIRNO_CALL_MEMBER
};

// The native build linked into this program, attached afresh to `module` (whose resources it uses).
KirnoCalls AttachNative(HINSTANCE module);

// The DLL as the platform's loader leaves it: mapped, bound and attached, its module known to the
// stand-in under its base address. Without resources the stand-in is not told of its resource section.
struct LoadedDll {
  std::unique_ptr<pe::Image> image;
  HINSTANCE module = nullptr;
  KirnoCalls calls;
};
LoadedDll LoadShippedDll(bool withResources = true);
void UnloadShippedDll(LoadedDll& dll);
// Tells a freshly reset stand-in of the DLL's module (under its base address) and resources.
void AnnounceShippedDll(const LoadedDll& dll, bool withResources = true);

// Windows NT 3.51, the platform the tests run on unless they say otherwise.
constexpr DWORD kWindowsNt351 = 0x04213303;

class ShippedDll : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A reset stand-in on NT 3.51 that knows the loaded DLL, the setup program's module and a parent class.
  void ResetStandIn();

  // A visible top-level window of a plain class, a visible child, and a dialog of the dialog class.
  HWND MakeParent(int width = 300, int height = 200);
  HWND MakeChild(HWND parent, LPCSTR className, DWORD style, int x, int y, int width, int height, int id = 100,
                 LPCSTR text = "");
  HWND MakeDialog(DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME, int width = 200,
                  int height = 150);
  WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongA(window, GWL_WNDPROC)); }

  void RegisterParentClass();

  LoadedDll dll_;
  const KirnoCalls& kirno = dll_.calls;
  HINSTANCE caller_ = nullptr;
};

// Writes a DLGTEMPLATE the way the resource compiler lays it out.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short cx, short cy, const char* title);
  void Item(WORD classOrdinal, DWORD style, short x, short y, short cx, short cy, WORD id, const char* title);
  LPCDLGTEMPLATEA Get() const { return reinterpret_cast<LPCDLGTEMPLATEA>(bytes_.data()); }

 private:
  void Append(const void* p, size_t n);
  void Word(WORD w) { Append(&w, 2); }
  void Text(const char* s);
  std::vector<char> bytes_;
};
