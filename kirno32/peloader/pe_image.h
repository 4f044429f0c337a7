// A 32-bit PE image mapped into this process as the platform's loader maps a DLL: sections at their
// addresses, base relocations applied, imports bound, pages protected as each section asks.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "pe_file.h"

namespace pe {

// An image this loader cannot bind or does not support; the message names the file and every cause.
struct LoadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The address of an import of `library`, by `name`, or by `ordinal` when the name is empty; null
// when there is none.
using ImportResolver = std::function<void*(const std::string& library, const std::string& name, uint16_t ordinal)>;

// One leaf of the resource tree. Numbered types and names have their number and an empty text.
struct Resource {
  uint16_t typeId = 0;
  std::string typeName;
  uint16_t nameId = 0;
  std::string name;
  uint16_t language = 0;
  const void* data = nullptr;  // inside the mapped image
  uint32_t size = 0;
};

class Image {
 public:
  // Throws FormatError for a malformed file and LoadError for what cannot be bound or is not supported.
  Image(const std::string& path, const ImportResolver& resolve);
  ~Image();
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  uint8_t* Base() const { return base_; }
  const Headers& FileHeaders() const { return headers_; }

  // Null when the image exports nothing of that name or ordinal.
  void* Export(const std::string& name) const;
  void* Export(uint16_t ordinal) const;
  std::vector<Resource> Resources() const;

  // Calls the entry point as the platform does: (module = base, reason, reserved = null).
  int CallEntryPoint(uint32_t reason) const;

 private:
  // A view of `size` bytes at `rva` inside the image; throws LoadError when it leaves the image.
  uint8_t* At(uint32_t rva, uint32_t size) const;
  uint32_t U32(uint32_t rva) const;
  uint16_t U16(uint32_t rva) const;
  std::string Text(uint32_t rva) const;

  void MapSections(const std::vector<uint8_t>& file);
  void Relocate();
  void BindImports(const ImportResolver& resolve);
  void Protect();
  void* FunctionAt(uint32_t index) const;
  void ResourceLevel(uint32_t offset, int depth, Resource& partial, std::vector<Resource>& out) const;

  std::string what_;
  Headers headers_;
  uint8_t* base_ = nullptr;
};

}  // namespace pe
