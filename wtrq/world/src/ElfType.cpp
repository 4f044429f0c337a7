// The elf kinds' image members.
#include "world/ElfType.h"

#include <stdexcept>

namespace wtrq {

const char* elfImageName(ElfType type)
{
    switch (type) {
    case ElfType::Worker:
        return "worker.png";
    case ElfType::Geologist:
        return "geologist.png";
    case ElfType::Carrier:
        return "carrier.png";
    }
    throw std::runtime_error("Elf type invalid: out of bounds!");
}

}  // namespace wtrq
