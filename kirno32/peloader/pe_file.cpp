// Parses the DOS stub pointer, the COFF header, the PE32 optional header and the section table.
#include "pe_file.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace pe {

namespace {

std::string Hex(uint32_t value) {
  char text[16];
  snprintf(text, sizeof text, "0x%X", value);
  return text;
}

[[noreturn]] void Fail(const std::string& what, const std::string& fault) {
  throw FormatError(what + ": " + fault);
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FormatError(path + ": cannot be opened");
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint16_t Read16(const std::vector<uint8_t>& bytes, size_t offset, const std::string& what) {
  if (offset > bytes.size() || bytes.size() - offset < 2)
    Fail(what, "truncated: a 16-bit field at " + Hex(static_cast<uint32_t>(offset)) + " is past the end");
  return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t offset, const std::string& what) {
  if (offset > bytes.size() || bytes.size() - offset < 4)
    Fail(what, "truncated: a 32-bit field at " + Hex(static_cast<uint32_t>(offset)) + " is past the end");
  return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
         static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

Headers ReadHeaders(const std::vector<uint8_t>& file, const std::string& what) {
  if (file.size() < 0x40 || file[0] != 'M' || file[1] != 'Z') Fail(what, "no MZ header");
  const uint32_t peOffset = Read32(file, 0x3C, what);
  if (Read32(file, peOffset, what) != 0x00004550) Fail(what, "no PE signature at " + Hex(peOffset));

  Headers h;
  const size_t coff = size_t{peOffset} + 4;
  h.machine = Read16(file, coff, what);
  if (h.machine != kMachineI386) Fail(what, "machine " + Hex(h.machine) + " is not i386");
  const uint16_t sectionCount = Read16(file, coff + 2, what);
  h.symbolTableOffset = Read32(file, coff + 8, what);
  h.symbolCount = Read32(file, coff + 12, what);
  const uint16_t optionalSize = Read16(file, coff + 16, what);
  h.characteristics = Read16(file, coff + 18, what);

  const size_t opt = coff + 20;
  h.magic = Read16(file, opt, what);
  if (h.magic != kOptionalMagicPe32) Fail(what, "optional header magic " + Hex(h.magic) + " is not PE32");
  if (optionalSize < 96) Fail(what, "optional header of " + std::to_string(optionalSize) + " bytes is too short");
  h.entryPoint = Read32(file, opt + 16, what);
  h.imageBase = Read32(file, opt + 28, what);
  h.sectionAlignment = Read32(file, opt + 32, what);
  h.fileAlignment = Read32(file, opt + 36, what);
  h.osMajor = Read16(file, opt + 40, what);
  h.osMinor = Read16(file, opt + 42, what);
  h.subsystemMajor = Read16(file, opt + 48, what);
  h.subsystemMinor = Read16(file, opt + 50, what);
  h.sizeOfImage = Read32(file, opt + 56, what);
  h.sizeOfHeaders = Read32(file, opt + 60, what);
  h.subsystem = Read16(file, opt + 68, what);
  h.dllCharacteristics = Read16(file, opt + 70, what);
  const uint32_t directoryCount = Read32(file, opt + 92, what);
  if (directoryCount > 16 || 96 + directoryCount * 8 > optionalSize)
    Fail(what, std::to_string(directoryCount) + " data directories do not fit the optional header");
  for (uint32_t i = 0; i < directoryCount; ++i)
    h.directories.push_back({Read32(file, opt + 96 + i * 8, what), Read32(file, opt + 100 + i * 8, what)});
  if (h.sizeOfImage == 0 || h.sizeOfHeaders > h.sizeOfImage || h.sizeOfHeaders > file.size())
    Fail(what, "header size " + Hex(h.sizeOfHeaders) + " does not fit the file or the image");

  const size_t table = opt + optionalSize;
  for (uint16_t i = 0; i < sectionCount; ++i) {
    const size_t at = table + size_t{i} * 40;
    Read32(file, at + 36, what);
    Section s;
    for (size_t c = 0; c < 8 && file[at + c]; ++c) s.name += static_cast<char>(file[at + c]);
    s.virtualSize = Read32(file, at + 8, what);
    s.virtualAddress = Read32(file, at + 12, what);
    s.rawSize = Read32(file, at + 16, what);
    s.rawOffset = Read32(file, at + 20, what);
    s.characteristics = Read32(file, at + 36, what);
    const uint64_t mappedEnd = uint64_t{s.virtualAddress} + std::max(s.virtualSize, s.rawSize);
    if (s.virtualAddress < h.sizeOfHeaders || mappedEnd > h.sizeOfImage)
      Fail(what, "section " + s.name + " lies outside the image");
    if (s.rawSize && uint64_t{s.rawOffset} + s.rawSize > file.size())
      Fail(what, "section " + s.name + " runs past the end of the file");
    h.sections.push_back(s);
  }
  return h;
}

}  // namespace pe
