// Walks an image's resource tree (type, name, language) down to its data entries.
#include "pe_image.h"

namespace pe {

namespace {
constexpr uint32_t kHighBit = 0x80000000u;
}

// A directory: 16 bytes with the named and numbered entry counts at 12 and 14, then 8-byte entries.
// Offsets inside the tree are from the start of the resource section; data entries hold RVAs.
void Image::ResourceLevel(uint32_t offset, int depth, Resource& partial, std::vector<Resource>& out) const {
  const uint32_t root = headers_.Directory(kResourceDirectory).rva;
  const uint32_t directory = root + offset;
  const uint32_t count = uint32_t{U16(directory + 12)} + U16(directory + 14);
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t entry = directory + 16 + i * 8;
    const uint32_t id = U32(entry);
    const uint32_t target = U32(entry + 4);
    std::string text;
    if (id & kHighBit) {
      const uint32_t at = root + (id & ~kHighBit);
      const uint16_t length = U16(at);
      const uint8_t* chars = At(at + 2, length * 2u);
      for (uint16_t c = 0; c < length; ++c) text += static_cast<char>(chars[c * 2]);
    }
    const uint16_t number = (id & kHighBit) ? 0 : static_cast<uint16_t>(id);
    if (depth == 0) {
      partial.typeId = number;
      partial.typeName = text;
    } else if (depth == 1) {
      partial.nameId = number;
      partial.name = text;
    } else {
      partial.language = number;
    }
    if (target & kHighBit) {
      // Three levels at most: a deeper or looping tree is broken.
      if (depth >= 2) throw LoadError(what_ + ": resource tree deeper than three levels");
      ResourceLevel(target & ~kHighBit, depth + 1, partial, out);
    } else {
      Resource leaf = partial;
      leaf.size = U32(root + target + 4);
      leaf.data = At(U32(root + target), leaf.size);
      out.push_back(leaf);
    }
  }
}

std::vector<Resource> Image::Resources() const {
  std::vector<Resource> resources;
  if (headers_.Directory(kResourceDirectory).size == 0) return resources;
  Resource partial;
  ResourceLevel(0, 0, partial, resources);
  return resources;
}

}  // namespace pe
