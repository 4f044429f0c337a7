// Loads the shipped DLL for a test and lets the stand-in find the module and its resources at its base.
#include "shipped_fixture.h"

#include "kirno_state.h"
#include "system_exports.h"

namespace {

constexpr uint32_t kProcessAttach = 1;
constexpr uint32_t kProcessDetach = 0;

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

KirnoCalls AttachNative(HINSTANCE module) {
  KirnoResetState();
  DllMain(module, kProcessAttach, nullptr);
  KirnoCalls calls;
#define KIRNO_NATIVE_CALL(name) calls.name = &::name;
  KIRNO_EXPORT_NAMES(KIRNO_NATIVE_CALL)
#undef KIRNO_NATIVE_CALL
  return calls;
}

LoadedDll LoadShippedDll(bool withResources) {
  LoadedDll dll;
  dll.image = std::make_unique<pe::Image>(KIRNO_DLL_PATH, StandInExport);
  dll.module = reinterpret_cast<HINSTANCE>(dll.image->Base());
  AnnounceShippedDll(dll, withResources);
#define KIRNO_DLL_CALL(name) \
  dll.calls.name = reinterpret_cast<decltype(&::name)>(dll.image->Export(#name));
  KIRNO_EXPORT_NAMES(KIRNO_DLL_CALL)
#undef KIRNO_DLL_CALL
  if (!dll.image->CallEntryPoint(kProcessAttach)) throw pe::LoadError("DllMain refused to attach");
  return dll;
}

void AnnounceShippedDll(const LoadedDll& dll, bool withResources) {
  if (Win32Test_CreateModuleAt("kirno32.dll", dll.image->Base()) != dll.module)
    throw pe::LoadError("the stand-in refused a module at the DLL's base");
  if (!withResources) return;
  for (const pe::Resource& r : dll.image->Resources()) {
    LPCSTR type = r.typeName.empty() ? MAKEINTRESOURCEA(r.typeId) : r.typeName.c_str();
    LPCSTR name = r.name.empty() ? MAKEINTRESOURCEA(r.nameId) : r.name.c_str();
    if (!Win32Test_AddMappedResource(dll.module, type, name, r.data, r.size))
      throw pe::LoadError("the stand-in refused a resource of the DLL");
  }
}

void UnloadShippedDll(LoadedDll& dll) {
  if (dll.image) dll.image->CallEntryPoint(kProcessDetach);
  dll.image.reset();
}

void ShippedDll::SetUp() {
  Win32Test_Reset();
  Win32Test_SetVersion(kWindowsNt351);
  try {
    dll_ = LoadShippedDll();
  } catch (const std::exception& e) {
    FAIL() << e.what();
  }
#define KIRNO_CHECK_CALL(name) ASSERT_NE(kirno.name, nullptr) << #name " is not exported";
  KIRNO_EXPORT_NAMES(KIRNO_CHECK_CALL)
#undef KIRNO_CHECK_CALL
  caller_ = Win32Test_CreateModule("setup.exe");
  RegisterParentClass();
}

void ShippedDll::ResetStandIn() {
  Win32Test_Reset();
  Win32Test_SetVersion(kWindowsNt351);
  AnnounceShippedDll(dll_);
  caller_ = Win32Test_CreateModule("setup.exe");
  RegisterParentClass();
}

void ShippedDll::RegisterParentClass() {
  WNDCLASSA parentClass = {};
  parentClass.lpfnWndProc = PlainProc;
  parentClass.hInstance = caller_;
  parentClass.lpszClassName = "ShippedTestParent";
  RegisterClassA(&parentClass);
}

void ShippedDll::TearDown() {
  // Windows still subclassed call into the DLL as they go, so the stand-in goes first.
  Win32Test_Reset();
  UnloadShippedDll(dll_);
}

HWND ShippedDll::MakeParent(int width, int height) {
  return CreateWindowExA(0, "ShippedTestParent", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                         caller_, nullptr);
}

HWND ShippedDll::MakeChild(HWND parent, LPCSTR className, DWORD style, int x, int y, int width, int height, int id,
                           LPCSTR text) {
  return CreateWindowExA(0, className, text, style | WS_CHILD, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), caller_, nullptr);
}

HWND ShippedDll::MakeDialog(DWORD style, int width, int height) {
  return CreateWindowExA(0, WC_DIALOG, "Setup", style, 0, 0, width, height, nullptr, nullptr, caller_, nullptr);
}

DialogTemplate::DialogTemplate(DWORD style, short cx, short cy, const char* title) {
  DLGTEMPLATE t{style, 0, 0, 0, 0, cx, cy};
  Append(&t, sizeof t);
  Word(0);  // no menu
  Word(0);  // the dialog class
  Text(title);
}

void DialogTemplate::Item(WORD classOrdinal, DWORD style, short x, short y, short cx, short cy, WORD id,
                          const char* title) {
  while (bytes_.size() % 4) bytes_.push_back(0);
  DLGITEMTEMPLATE item{style, 0, x, y, cx, cy, id};
  Append(&item, sizeof item);
  Word(0xFFFF);
  Word(classOrdinal);
  Text(title);
  Word(0);  // no creation data
  reinterpret_cast<DLGTEMPLATE*>(bytes_.data())->cdit++;
}

void DialogTemplate::Append(const void* p, size_t n) {
  bytes_.insert(bytes_.end(), static_cast<const char*>(p), static_cast<const char*>(p) + n);
}

void DialogTemplate::Text(const char* s) {
  for (; *s; ++s) Word(static_cast<WORD>(static_cast<unsigned char>(*s)));
  Word(0);
}
