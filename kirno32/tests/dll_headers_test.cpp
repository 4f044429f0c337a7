// Reads the shipped kirno32.dll's own headers: what old loaders check, and a parser that refuses broken files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "pe_file.h"

namespace {

const std::vector<uint8_t>& DllFile() {
  static const std::vector<uint8_t> bytes = pe::ReadWholeFile(KIRNO_DLL_PATH);
  return bytes;
}

TEST(KirnoDllHeaders, GuiImageForVersion310WithoutSymbolTable) {
  const pe::Headers h = pe::ReadHeaders(DllFile(), "kirno32.dll");
  EXPECT_EQ(h.machine, pe::kMachineI386);
  EXPECT_EQ(h.magic, pe::kOptionalMagicPe32);
  EXPECT_NE(h.characteristics & 0x2000, 0) << "not marked as a DLL";
  EXPECT_EQ(h.subsystem, pe::kSubsystemWindowsGui);
  EXPECT_EQ(h.subsystemMajor, 3);
  EXPECT_EQ(h.subsystemMinor, 10);
  EXPECT_EQ(h.osMajor, 3);
  EXPECT_EQ(h.osMinor, 10);
  EXPECT_EQ(h.symbolTableOffset, 0u);
  EXPECT_EQ(h.symbolCount, 0u);
}

TEST(KirnoDllHeaders, SectionsAreTheShippedOnesWithoutDebugInformation) {
  const pe::Headers h = pe::ReadHeaders(DllFile(), "kirno32.dll");
  std::vector<std::string> names;
  for (const pe::Section& s : h.sections) names.push_back(s.name);
  // Long or debug section names would need the symbol table's strings, which a stripped file lacks.
  for (const std::string& name : names) {
    EXPECT_NE(name.rfind(".debug", 0), 0u) << name;
    EXPECT_NE(name.rfind("/", 0), 0u) << name;
  }
  for (const char* wanted : {".text", ".edata", ".idata", ".rsrc", ".reloc"})
    EXPECT_NE(std::find(names.begin(), names.end(), wanted), names.end()) << wanted;
  EXPECT_NE(h.Directory(pe::kRelocationDirectory).size, 0u) << "no base relocations";
  EXPECT_EQ(h.Directory(pe::kTlsDirectory).size, 0u) << "thread-local data needs loader support";
}

// Offsets of the fields the broken copies below change, found in the real file.
struct Offsets {
  size_t pe, coff, optional, sections;
};

Offsets FieldOffsets(const std::vector<uint8_t>& file) {
  Offsets o;
  o.pe = pe::Read32(file, 0x3C, "kirno32.dll");
  o.coff = o.pe + 4;
  o.optional = o.coff + 20;
  o.sections = o.optional + pe::Read16(file, o.coff + 16, "kirno32.dll");
  return o;
}

void Put32(std::vector<uint8_t>& file, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

struct BrokenCase {
  const char* name;
  void (*breakIt)(std::vector<uint8_t>&, const Offsets&);
  const char* fault;
};

const BrokenCase kBrokenCases[] = {
    {"empty", [](std::vector<uint8_t>& f, const Offsets&) { f.clear(); }, "no MZ header"},
    {"not MZ", [](std::vector<uint8_t>& f, const Offsets&) { f[0] = 'X'; }, "no MZ header"},
    {"PE offset past the end", [](std::vector<uint8_t>& f, const Offsets&) { Put32(f, 0x3C, 0xFFFFFFF0); },
     "truncated"},
    {"no PE signature", [](std::vector<uint8_t>& f, const Offsets& o) { f[o.pe + 1] = 'X'; }, "no PE signature"},
    {"x64 machine", [](std::vector<uint8_t>& f, const Offsets& o) { f[o.coff] = 0x64; f[o.coff + 1] = 0x86; },
     "is not i386"},
    {"PE32+ magic", [](std::vector<uint8_t>& f, const Offsets& o) { f[o.optional + 1] = 0x02; }, "is not PE32"},
    {"too many directories", [](std::vector<uint8_t>& f, const Offsets& o) { Put32(f, o.optional + 92, 0x100); },
     "data directories"},
    {"section data past the end",
     [](std::vector<uint8_t>& f, const Offsets& o) { Put32(f, o.sections + 20, 0x7FFFFFF0); },
     "runs past the end of the file"},
    {"section outside the image",
     [](std::vector<uint8_t>& f, const Offsets& o) { Put32(f, o.sections + 12, 0xFFFFF000); },
     "lies outside the image"},
    {"cut in the section table", [](std::vector<uint8_t>& f, const Offsets& o) { f.resize(o.sections + 20); },
     "does not fit the file"},
};

TEST(KirnoDllHeaders, BrokenCopiesAreRefusedNamingFileAndFault) {
  const Offsets offsets = FieldOffsets(DllFile());
  for (const BrokenCase& c : kBrokenCases) {
    std::vector<uint8_t> file = DllFile();
    c.breakIt(file, offsets);
    try {
      pe::ReadHeaders(file, "broken.dll");
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const pe::FormatError& e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind("broken.dll: ", 0), 0u) << c.name << ": " << message;
      EXPECT_NE(message.find(c.fault), std::string::npos) << c.name << ": " << message;
    }
  }
}

TEST(KirnoDllHeaders, MissingFileIsNamed) {
  try {
    pe::ReadWholeFile("/nonexistent/kirno32.dll");
    FAIL() << "read a missing file";
  } catch (const pe::FormatError& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/kirno32.dll"), std::string::npos) << e.what();
  }
}

}  // namespace
