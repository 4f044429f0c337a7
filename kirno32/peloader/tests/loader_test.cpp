// The PE loader on the shipped DLL: where it maps it, what it protects, exports, resources and imports.
#include <gtest/gtest.h>

#include <windows.h>
#include <win32_test_control.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "kirno32.h"
#include "pe_image.h"
#include "system_exports.h"

namespace {

class PeLoader : public testing::Test {
 protected:
  void SetUp() override {
    Win32Test_Reset();
    image_ = std::make_unique<pe::Image>(KIRNO_DLL_PATH, StandInExport);
  }
  void TearDown() override { Win32Test_Reset(); }
  uintptr_t Base() const { return reinterpret_cast<uintptr_t>(image_->Base()); }
  std::unique_ptr<pe::Image> image_;
};

TEST_F(PeLoader, ExportsByNameAndOrdinalAgree) {
  const std::pair<const char*, uint16_t> exports[] = {
      {"EnumFile", 2},           {"Ctl3dGetVer", 201},        {"Ctl3dSubclassDlg", 202},
      {"Ctl3dSubclassCtl", 203}, {"Ctl3dCtlColor", 204},      {"Ctl3dEnabled", 205},
      {"Ctl3dColorChange", 206}, {"BtnWndProc3d", 207},       {"EditWndProc3d", 208},
      {"ListWndProc3d", 209},    {"ComboWndProc3d", 210},     {"StaticWndProc3d", 211},
      {"Ctl3dRegister", 212},    {"Ctl3dUnregister", 213},    {"Ctl3dAutoSubclass", 216},
      {"Ctl3dDlgProc", 217},     {"Ctl3dCtlColorEx", 218},    {"Ctl3dSetStyle", 219},
      {"Ctl3dDlgFramePaint", 220}, {"Ctl3dSubclassDlgEx", 221}, {"Ctl3dWinIniChange", 222},
  };
  std::set<void*> addresses;
  for (const auto& [name, ordinal] : exports) {
    void* byName = image_->Export(name);
    ASSERT_NE(byName, nullptr) << name;
    EXPECT_EQ(image_->Export(ordinal), byName) << name << " @" << ordinal;
    const pe::Section& text = image_->FileHeaders().sections.front();
    EXPECT_GE(reinterpret_cast<uintptr_t>(byName), Base() + text.virtualAddress) << name;
    EXPECT_LT(reinterpret_cast<uintptr_t>(byName), Base() + text.virtualAddress + text.virtualSize) << name;
    addresses.insert(byName);
  }
  EXPECT_EQ(addresses.size(), std::size(exports)) << "two exports share an address";
  for (uint16_t unassigned : {0, 1, 3, 200, 214, 215, 223, 0xFFFF})
    EXPECT_EQ(image_->Export(unassigned), nullptr) << unassigned;
  for (const char* unknown : {"", "DllMain", "ctl3dregister", "Ctl3dRegister@4", "_Ctl3dRegister@4"})
    EXPECT_EQ(image_->Export(std::string(unknown)), nullptr) << unknown;
}

// Every address the relocations fixed up must point into the image where it was mapped.
TEST_F(PeLoader, RelocatedAwayFromThePreferredBase) {
  const pe::Headers& h = image_->FileHeaders();
  EXPECT_NE(Base(), h.imageBase) << "the relocations went untested";
  const pe::DataDirectory dir = h.Directory(pe::kRelocationDirectory);
  const uint8_t* base = image_->Base();
  int fixed = 0;
  for (uint32_t block = dir.rva; block < dir.rva + dir.size;) {
    uint32_t page, size;
    memcpy(&page, base + block, 4);
    memcpy(&size, base + block + 4, 4);
    ASSERT_GE(size, 8u);
    for (uint32_t entry = block + 8; entry < block + size; entry += 2) {
      uint16_t value;
      memcpy(&value, base + entry, 2);
      if (value >> 12 == 0) continue;
      uint32_t address;
      memcpy(&address, base + page + (value & 0xFFF), 4);
      EXPECT_GE(address, Base()) << "at RVA " << std::hex << page + (value & 0xFFF);
      EXPECT_LT(address, Base() + h.sizeOfImage) << "at RVA " << std::hex << page + (value & 0xFFF);
      ++fixed;
    }
    block += size;
  }
  EXPECT_GT(fixed, 10);
}

// The protection of a mapped address as /proc/self/maps shows it: "r-x", "rw-", ...
std::string ProtectionAt(uintptr_t address) {
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line)) {
    std::istringstream fields(line);
    std::string range, permissions;
    fields >> range >> permissions;
    uintptr_t from = std::stoul(range.substr(0, range.find('-')), nullptr, 16);
    uintptr_t to = std::stoul(range.substr(range.find('-') + 1), nullptr, 16);
    if (address >= from && address < to) return permissions.substr(0, 3);
  }
  return "unmapped";
}

TEST_F(PeLoader, SectionsAreProtectedAsTheyAsk) {
  const std::pair<const char*, const char*> expected[] = {
      {".text", "r-x"}, {".rdata", "r--"}, {".edata", "r--"}, {".idata", "rw-"}, {".rsrc", "rw-"}, {".bss", "rw-"},
  };
  EXPECT_EQ(ProtectionAt(Base()), "r--") << "headers";
  for (const auto& [name, protection] : expected) {
    bool found = false;
    for (const pe::Section& s : image_->FileHeaders().sections) {
      if (s.name != name) continue;
      found = true;
      EXPECT_EQ(ProtectionAt(Base() + s.virtualAddress), protection) << name;
    }
    EXPECT_TRUE(found) << name;
  }
}

TEST_F(PeLoader, ResourcesAreServedFromTheMappedImage) {
  const pe::Resource* bitmap = nullptr;
  bool version = false;
  const std::vector<pe::Resource> resources = image_->Resources();
  for (const pe::Resource& r : resources) {
    if (r.typeId == 2 && r.nameId == KIRNO_CHECK_BITMAP_ID) bitmap = &r;
    version = version || (r.typeId == 16 && r.nameId == 1);
  }
  ASSERT_NE(bitmap, nullptr);
  EXPECT_TRUE(version);
  // A packed DIB: 40-byte header, 16 colours, 39 rows of 36 bytes.
  EXPECT_EQ(bitmap->size, 40u + 16 * 4 + 39 * 36);
  uint32_t headerSize;
  memcpy(&headerSize, bitmap->data, 4);
  EXPECT_EQ(headerSize, 40u);

  HINSTANCE module = Win32Test_CreateModuleAt("kirno32.dll", image_->Base());
  ASSERT_EQ(module, reinterpret_cast<HINSTANCE>(image_->Base()));
  EXPECT_EQ(Win32Test_CreateModuleAt("again.dll", image_->Base()), nullptr) << "a handle taken twice";
  ASSERT_TRUE(Win32Test_AddMappedResource(module, MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(KIRNO_CHECK_BITMAP_ID),
                                          bitmap->data, bitmap->size));
  EXPECT_EQ(GetModuleHandleA("kirno32"), module);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(KIRNO_CHECK_BITMAP_ID), MAKEINTRESOURCEA(2));
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(SizeofResource(module, found), bitmap->size);
  EXPECT_EQ(LockResource(LoadResource(module, found)), bitmap->data) << "copied instead of mapped";
}

TEST(PeLoaderImports, EveryUnboundImportIsNamed) {
  const std::set<std::string> refused = {"USER32.dll!SendMessageA", "USER32.dll!GetSysColor", "GDI32.dll!BitBlt"};
  std::set<std::string> libraries;
  auto resolve = [&](const std::string& library, const std::string& name, uint16_t ordinal) -> void* {
    libraries.insert(library);
    if (refused.count(library + "!" + name)) return nullptr;
    return StandInExport(library, name, ordinal);
  };
  try {
    pe::Image image(KIRNO_DLL_PATH, resolve);
    FAIL() << "loaded with unbound imports";
  } catch (const pe::LoadError& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find(KIRNO_DLL_PATH ": 3 imports cannot be bound: "), std::string::npos) << message;
    for (const std::string& name : refused) EXPECT_NE(message.find(name), std::string::npos) << message;
  }
  EXPECT_EQ(libraries, (std::set<std::string>{"GDI32.dll", "KERNEL32.dll", "USER32.dll"}));
}

TEST(PeLoaderImports, StandInTableAnswersByLibraryAndName) {
  struct Case {
    const char* library;
    const char* name;
    void* expected;
  };
  const Case cases[] = {
      {"USER32.dll", "SendMessageA", reinterpret_cast<void*>(&SendMessageA)},
      {"user32.DLL", "SendMessageA", reinterpret_cast<void*>(&SendMessageA)},
      {"KERNEL32.dll", "GlobalAddAtomA", reinterpret_cast<void*>(&GlobalAddAtomA)},
      {"GDI32.dll", "BitBlt", reinterpret_cast<void*>(&BitBlt)},
      {"USER32.dll", "GlobalAddAtomA", nullptr},  // KERNEL32's on the platform
      {"GDI32.dll", "SendMessageA", nullptr},
      {"USER32.dll", "GetWindowLongPtrA", nullptr},  // not in the 32-bit USER32
      {"ADVAPI32.dll", "RegOpenKeyA", nullptr},
      {"USER32.dll", "NoSuchCall", nullptr},
  };
  for (const Case& c : cases) EXPECT_EQ(StandInExport(c.library, c.name, 0), c.expected) << c.library << "!" << c.name;
}

// Copies of the DLL with one table broken: the loader refuses each, naming the file and the fault.
class PeLoaderBrokenImage : public testing::Test {
 protected:
  void SetUp() override {
    file_ = pe::ReadWholeFile(KIRNO_DLL_PATH);
    headers_ = pe::ReadHeaders(file_, "kirno32.dll");
  }
  // The file offset of an RVA inside a section's data.
  size_t Offset(uint32_t rva) const {
    for (const pe::Section& s : headers_.sections)
      if (rva >= s.virtualAddress && rva < s.virtualAddress + s.rawSize) return rva - s.virtualAddress + s.rawOffset;
    ADD_FAILURE() << "RVA " << rva << " is in no section";
    return 0;
  }
  uint32_t Get32(size_t at) const {
    uint32_t v;
    memcpy(&v, &file_[at], 4);
    return v;
  }
  void Put32(std::vector<uint8_t>& file, size_t at, uint32_t v) const { memcpy(&file[at], &v, 4); }
  // Offset of a data directory's entry in the optional header.
  size_t DirectoryEntry(unsigned index) const {
    const size_t pe = Get32(0x3C);
    return pe + 24 + 96 + index * 8;
  }
  std::string LoadFails(const std::vector<uint8_t>& file) {
    const std::string path = testing::TempDir() + "kirno32_broken.dll";
    {
      std::ofstream out(path, std::ios::binary);
      out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    }
    std::string message = "loaded";
    try {
      pe::Image image(path, StandInExport);
    } catch (const std::exception& e) {
      message = e.what();
    }
    std::remove(path.c_str());
    EXPECT_EQ(message.rfind(path + ": ", 0), 0u) << message;
    return message;
  }
  std::vector<uint8_t> file_;
  pe::Headers headers_;
};

TEST_F(PeLoaderBrokenImage, RefusedWithTheFault) {
  const uint32_t relocations = headers_.Directory(pe::kRelocationDirectory).rva;
  const uint32_t imports = headers_.Directory(pe::kImportDirectory).rva;
  struct Case {
    const char* name;
    std::function<void(std::vector<uint8_t>&)> breakIt;
    const char* fault;
  };
  const Case cases[] = {
      {"relocation block of size 0", [&](auto& f) { Put32(f, Offset(relocations) + 4, 0); }, "has a broken size"},
      {"relocation block past its directory", [&](auto& f) { Put32(f, Offset(relocations) + 4, 0x100000); },
       "has a broken size"},
      {"relocation of an unknown type",
       [&](auto& f) { f[Offset(relocations) + 9] = static_cast<uint8_t>((f[Offset(relocations) + 9] & 0x0F) | 0xA0); },
       "relocation type 10"},
      {"relocation target past the image", [&](auto& f) { Put32(f, Offset(relocations), 0x7FFFF000); }, "leave the image"},
      {"relocations removed", [&](auto& f) { Put32(f, DirectoryEntry(pe::kRelocationDirectory) + 4, 0); },
       "without base relocations"},
      {"library name past the image", [&](auto& f) { Put32(f, Offset(imports) + 12, 0x7FFFFFF0); }, "leave the image"},
      {"import name past the image",
       [&](auto& f) { Put32(f, Offset(Get32(Offset(imports))), 0x7FFFFFF0); }, "leave the image"},
      {"thread-local data", [&](auto& f) { Put32(f, DirectoryEntry(pe::kTlsDirectory) + 4, 24); },
       "thread-local storage is not supported"},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> file = file_;
    c.breakIt(file);
    const std::string message = LoadFails(file);
    EXPECT_NE(message.find(c.fault), std::string::npos) << c.name << ": " << message;
  }
}

}  // namespace
