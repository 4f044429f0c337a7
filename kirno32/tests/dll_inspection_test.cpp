// Inspects the cross-compiled kirno32.dll with the mingw binutils: machine, exports, imports, resources.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string Run(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  pclose(pipe);
  return output;
}

std::string Objdump(const std::string& options) {
  return Run(std::string(KIRNO_OBJDUMP) + " " + options + " '" + KIRNO_DLL_PATH + "' 2>&1");
}

std::string DllBytes() {
  std::ifstream in(KIRNO_DLL_PATH, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Utf16(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c;
    out += '\0';
  }
  return out;
}

// name -> ordinal, from the export table of objdump -p.
std::map<std::string, int> Exports(const std::string& dump, int* addressCount) {
  std::map<std::string, int> exports;
  std::smatch m;
  int base = 0;
  if (std::regex_search(dump, m, std::regex(R"(Ordinal Base (\d+))"))) base = std::stoi(m[1]);
  std::istringstream lines(dump);
  std::string line;
  bool inNames = false;
  *addressCount = 0;
  const std::regex address(R"(^\s*\[\s*\d+\] \+base\[\s*\d+\] [0-9a-f]+ Export RVA)");
  const std::regex name(R"(^\s*\[\s*(\d+)\] (\S+)\s*$)");
  while (std::getline(lines, line)) {
    if (std::regex_search(line, address)) ++*addressCount;
    if (line.find("[Ordinal/Name Pointer] Table") != std::string::npos) {
      inNames = true;
      continue;
    }
    if (inNames) {
      if (std::regex_match(line, m, name))
        exports[m[2]] = std::stoi(m[1]) + base;
      else if (!line.empty())
        inNames = false;
    }
  }
  return exports;
}

// (type id, name id) -> size of the resource's data, from objdump -p's resource directory.
std::map<std::pair<int, int>, long> Resources(const std::string& dump) {
  std::map<std::pair<int, int>, long> sizes;
  std::istringstream lines(dump);
  std::string line;
  const std::regex entry(R"(^[0-9a-f]{3}( +)Entry: ID: 0x([0-9a-f]+))");
  const std::regex leaf(R"(Leaf: Addr: 0x[0-9a-f]+, Size: 0x([0-9a-f]+))");
  std::smatch m;
  int type = -1, name = -1;
  bool inResources = false;
  while (std::getline(lines, line)) {
    if (line.find("Resource Directory section") != std::string::npos) inResources = true;
    if (!inResources) continue;
    if (std::regex_search(line, m, entry)) {
      size_t depth = m[1].length();
      int id = std::stoi(m[2], nullptr, 16);
      if (depth <= 3)
        type = id;
      else if (depth <= 5)
        name = id;
    } else if (std::regex_search(line, m, leaf)) {
      sizes[{type, name}] = std::stol(m[1], nullptr, 16);
    }
  }
  return sizes;
}

TEST(KirnoDll, IsA32BitWindowsDll) {
  std::string header = Objdump("-f");
  EXPECT_NE(header.find("file format pei-i386"), std::string::npos) << header;
  EXPECT_NE(header.find("architecture: i386"), std::string::npos) << header;
  std::string dump = Objdump("-p");
  EXPECT_TRUE(std::regex_search(dump, std::regex(R"(Characteristics[^\n]*\n(\s+[^\n]+\n)*\s+DLL\n)"))) << dump;
}

TEST(KirnoDll, ExportsEachNameAtItsOrdinalAndNothingElse) {
  const std::map<std::string, int> expected = {
      {"EnumFile", 2},           {"Ctl3dGetVer", 201},      {"Ctl3dSubclassDlg", 202},
      {"Ctl3dSubclassCtl", 203}, {"Ctl3dCtlColor", 204},    {"Ctl3dEnabled", 205},
      {"Ctl3dColorChange", 206}, {"BtnWndProc3d", 207},     {"EditWndProc3d", 208},
      {"ListWndProc3d", 209},    {"ComboWndProc3d", 210},   {"StaticWndProc3d", 211},
      {"Ctl3dRegister", 212},    {"Ctl3dUnregister", 213},  {"Ctl3dAutoSubclass", 216},
      {"Ctl3dDlgProc", 217},     {"Ctl3dCtlColorEx", 218},  {"Ctl3dSetStyle", 219},
      {"Ctl3dDlgFramePaint", 220}, {"Ctl3dSubclassDlgEx", 221}, {"Ctl3dWinIniChange", 222},
  };
  int addressCount = 0;
  std::map<std::string, int> exports = Exports(Objdump("-p"), &addressCount);
  EXPECT_EQ(exports, expected);
  // No export by ordinal alone, and none at 214 or 215.
  EXPECT_EQ(addressCount, static_cast<int>(expected.size()));
}

TEST(KirnoDll, ImportsOnlyTheSystemLibraries) {
  std::string dump = Objdump("-p");
  std::set<std::string> libraries;
  std::smatch m;
  for (auto it = dump.cbegin();
       std::regex_search(it, dump.cend(), m, std::regex(R"(DLL Name: (\S+))")); it = m.suffix().first)
    libraries.insert(m[1]);
  EXPECT_EQ(libraries, (std::set<std::string>{"GDI32.dll", "KERNEL32.dll", "USER32.dll"}));
}

TEST(KirnoDll, CarriesTheCheckBitmapAndVersionResources) {
  auto resources = Resources(Objdump("-p"));
  ASSERT_EQ(resources.size(), 2u);
  // RT_BITMAP 26567: 40-byte header, 16 colours, 39 rows of 36 bytes (70 four-bit pixels, padded).
  EXPECT_EQ(resources[std::make_pair(2, 26567)], 40 + 16 * 4 + 39 * 36);
  // RT_VERSION 1: large enough for the fixed block and the strings below.
  EXPECT_GT(resources[std::make_pair(16, 1)], 0x100);
}

// The value of a version string: it follows its key after the terminator and padding to 4 bytes.
bool HasVersionString(const std::string& bytes, const std::string& key, const std::string& value) {
  size_t at = bytes.find(Utf16(key) + std::string(2, '\0'));
  if (at == std::string::npos) return false;
  size_t valueAt = bytes.find(Utf16(value) + std::string(2, '\0'), at);
  return valueAt != std::string::npos && valueAt <= at + 2 * key.size() + 6;
}

TEST(KirnoDll, VersionBlockNamesTheLibrary) {
  std::string bytes = DllBytes();
  ASSERT_FALSE(bytes.empty());
  EXPECT_TRUE(HasVersionString(bytes, "FileDescription", "Zendo Setup Library"));
  EXPECT_TRUE(HasVersionString(bytes, "InternalName", "kirno.dll"));
  EXPECT_TRUE(HasVersionString(bytes, "FileVersion", "1.0.0.0"));
  // VS_FIXEDFILEINFO: signature, structure version, then file version 1.0.0.0 as two words.
  const std::string fixed("\xBD\x04\xEF\xFE\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x00\x00", 16);
  EXPECT_NE(bytes.find(fixed), std::string::npos);
}

}  // namespace
