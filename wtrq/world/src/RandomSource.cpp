// The game's random source over the C runtime's generator, and the one way ranges are drawn.
#include "world/RandomSource.h"

#include <cstdlib>

namespace wtrq {
namespace {

class RuntimeRandom final : public RandomSource {
public:
    int next() override { return std::rand(); }
};

}  // namespace

RandomSource& runtimeRandom()
{
    static RuntimeRandom random;
    return random;
}

int randomInt(RandomSource& random, int a, int b)
{
    return a + random.next() % (b - a + 1);
}

}  // namespace wtrq
