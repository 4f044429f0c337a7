// Maps an image: reserves its size, copies headers and sections, relocates it, binds and protects it.
#include "pe_image.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace pe {

namespace {

constexpr uint16_t kRelocationAbsolute = 0;
constexpr uint16_t kRelocationHighLow = 3;

std::string Hex(uint32_t value) {
  char text[16];
  snprintf(text, sizeof text, "0x%X", value);
  return text;
}

}  // namespace

Image::Image(const std::string& path, const ImportResolver& resolve) : what_(path) {
  const std::vector<uint8_t> file = ReadWholeFile(path);
  headers_ = ReadHeaders(file, path);
  if (headers_.Directory(kTlsDirectory).size) throw LoadError(path + ": thread-local storage is not supported");
  void* memory = mmap(nullptr, headers_.sizeOfImage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) throw LoadError(path + ": cannot reserve " + Hex(headers_.sizeOfImage) + " bytes");
  base_ = static_cast<uint8_t*>(memory);
  try {
    MapSections(file);
    Relocate();
    BindImports(resolve);
    Protect();
  } catch (...) {
    munmap(base_, headers_.sizeOfImage);
    throw;
  }
}

Image::~Image() { munmap(base_, headers_.sizeOfImage); }

uint8_t* Image::At(uint32_t rva, uint32_t size) const {
  if (rva > headers_.sizeOfImage || headers_.sizeOfImage - rva < size)
    throw LoadError(what_ + ": " + Hex(size) + " bytes at RVA " + Hex(rva) + " leave the image");
  return base_ + rva;
}

uint32_t Image::U32(uint32_t rva) const {
  uint32_t value;
  memcpy(&value, At(rva, 4), 4);
  return value;
}

uint16_t Image::U16(uint32_t rva) const {
  uint16_t value;
  memcpy(&value, At(rva, 2), 2);
  return value;
}

std::string Image::Text(uint32_t rva) const {
  const uint8_t* start = At(rva, 1);
  const void* end = memchr(start, 0, headers_.sizeOfImage - rva);
  if (!end) throw LoadError(what_ + ": text at RVA " + Hex(rva) + " runs past the image");
  return std::string(reinterpret_cast<const char*>(start), static_cast<const uint8_t*>(end) - start);
}

void Image::MapSections(const std::vector<uint8_t>& file) {
  memcpy(base_, file.data(), headers_.sizeOfHeaders);
  for (const Section& s : headers_.sections) {
    // The file's copy is padded to the file alignment; only the section's own size is mapped.
    uint32_t bytes = s.virtualSize ? std::min(s.rawSize, s.virtualSize) : s.rawSize;
    if (s.characteristics & kSectionUninitialized) bytes = 0;
    memcpy(At(s.virtualAddress, bytes), file.data() + s.rawOffset, bytes);
  }
}

void Image::Relocate() {
  const uint32_t delta = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(base_)) - headers_.imageBase;
  const DataDirectory dir = headers_.Directory(kRelocationDirectory);
  if (delta == 0) return;
  if (dir.size == 0) throw LoadError(what_ + ": cannot move from its preferred base without base relocations");
  At(dir.rva, dir.size);
  for (uint32_t block = dir.rva; block + 8 <= dir.rva + dir.size;) {
    const uint32_t page = U32(block);
    const uint32_t blockSize = U32(block + 4);
    if (blockSize < 8 || blockSize > dir.rva + dir.size - block)
      throw LoadError(what_ + ": relocation block at RVA " + Hex(block) + " has a broken size " + Hex(blockSize));
    for (uint32_t entry = block + 8; entry + 2 <= block + blockSize; entry += 2) {
      const uint16_t value = U16(entry);
      const uint16_t type = value >> 12;
      if (type == kRelocationAbsolute) continue;
      if (type != kRelocationHighLow)
        throw LoadError(what_ + ": relocation type " + std::to_string(type) + " at RVA " + Hex(entry) +
                        " is not supported");
      uint8_t* target = At(page + (value & 0xFFF), 4);
      uint32_t address;
      memcpy(&address, target, 4);
      address += delta;
      memcpy(target, &address, 4);
    }
    block += blockSize;
  }
}

void Image::BindImports(const ImportResolver& resolve) {
  const DataDirectory dir = headers_.Directory(kImportDirectory);
  if (dir.size == 0) return;
  std::vector<std::string> missing;
  for (uint32_t descriptor = dir.rva;; descriptor += 20) {
    const uint32_t lookup = U32(descriptor);
    const uint32_t nameRva = U32(descriptor + 12);
    const uint32_t slots = U32(descriptor + 16);
    if (nameRva == 0 && slots == 0) break;
    const std::string library = Text(nameRva);
    // Without a separate lookup table the address table itself names the imports.
    const uint32_t names = lookup ? lookup : slots;
    for (uint32_t i = 0;; i += 4) {
      const uint32_t entry = U32(names + i);
      if (entry == 0) break;
      std::string name;
      uint16_t ordinal = 0;
      if (entry & 0x80000000u)
        ordinal = static_cast<uint16_t>(entry);
      else
        name = Text(entry + 2);  // after the 16-bit hint
      void* address = resolve(library, name, ordinal);
      if (!address) {
        missing.push_back(library + "!" + (name.empty() ? "#" + std::to_string(ordinal) : name));
        continue;
      }
      const uint32_t value = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(address));
      memcpy(At(slots + i, 4), &value, 4);
    }
  }
  if (!missing.empty()) {
    std::string list;
    for (const std::string& m : missing) list += (list.empty() ? "" : ", ") + m;
    throw LoadError(what_ + ": " + std::to_string(missing.size()) + " imports cannot be bound: " + list);
  }
}

void Image::Protect() {
  const long page = sysconf(_SC_PAGESIZE);
  // Sections that share pages cannot be protected apart; such an image stays writable.
  if (headers_.sectionAlignment < static_cast<uint32_t>(page)) return;
  auto pages = [&](uint32_t bytes) { return (bytes + page - 1) / page * page; };
  mprotect(base_, pages(headers_.sizeOfHeaders), PROT_READ);
  for (const Section& s : headers_.sections) {
    int protection = PROT_NONE;
    if (s.characteristics & kSectionRead) protection |= PROT_READ;
    if (s.characteristics & kSectionWrite) protection |= PROT_WRITE;
    if (s.characteristics & kSectionExecute) protection |= PROT_EXEC | PROT_READ;
    const uint32_t size = pages(std::max(s.virtualSize, 1u));
    if (mprotect(base_ + s.virtualAddress, size, protection) != 0)
      throw LoadError(what_ + ": cannot protect section " + s.name);
  }
}

int Image::CallEntryPoint(uint32_t reason) const {
  if (headers_.entryPoint == 0) return 1;
  using EntryPoint = int(__attribute__((stdcall))*)(void* module, uint32_t reason, void* reserved);
  auto entry = reinterpret_cast<EntryPoint>(At(headers_.entryPoint, 1));
  return entry(base_, reason, nullptr);
}

}  // namespace pe
