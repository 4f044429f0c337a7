// The three kinds of elf and the stages of a geologist's search.
#pragma once

#include <cstdint>

namespace wtrq {

enum class ElfType : std::int32_t {
    Worker = 1,
    Geologist = 2,
    Carrier = 3,
};

enum class GeologistState : std::int32_t {
    Searching = 0,
    Found = 1,
    Reported = 2,
    Exhausted = 3,
};

// The image member of each kind in the elves package; a type outside 1 to 3 raises
// "Elf type invalid: out of bounds!".
const char* elfImageName(ElfType type);

}  // namespace wtrq
