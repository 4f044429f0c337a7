// Looks up an image's exports by name and by ordinal in its export directory.
#include "pe_image.h"

namespace pe {

// Export directory fields: ordinal base at 16, counts at 20 and 24, tables at 28, 32 and 36.
void* Image::FunctionAt(uint32_t index) const {
  const DataDirectory dir = headers_.Directory(kExportDirectory);
  if (index >= U32(dir.rva + 20)) return nullptr;
  const uint32_t rva = U32(U32(dir.rva + 28) + index * 4);
  // An unassigned ordinal has no address; one inside the directory forwards to another library.
  if (rva == 0 || (rva >= dir.rva && rva < dir.rva + dir.size)) return nullptr;
  return At(rva, 1);
}

void* Image::Export(const std::string& name) const {
  const DataDirectory dir = headers_.Directory(kExportDirectory);
  if (dir.size == 0) return nullptr;
  const uint32_t nameCount = U32(dir.rva + 24);
  const uint32_t names = U32(dir.rva + 32);
  const uint32_t ordinals = U32(dir.rva + 36);
  for (uint32_t i = 0; i < nameCount; ++i)
    if (Text(U32(names + i * 4)) == name) return FunctionAt(U16(ordinals + i * 2));
  return nullptr;
}

void* Image::Export(uint16_t ordinal) const {
  const DataDirectory dir = headers_.Directory(kExportDirectory);
  if (dir.size == 0) return nullptr;
  const uint32_t ordinalBase = U32(dir.rva + 16);
  if (ordinal < ordinalBase) return nullptr;
  return FunctionAt(ordinal - ordinalBase);
}

}  // namespace pe
