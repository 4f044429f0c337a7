// The game's random source: the C runtime's generator.
#include <cstdlib>

#include "IRandomSource.h"

namespace {

class CRuntimeRandom final : public IRandomSource {
public:
    int Next() override { return std::rand(); }
};

}  // namespace

IRandomSource& RuntimeRandom()
{
    static CRuntimeRandom random;
    return random;
}
