// Where the map generator and the geologists draw random numbers: rand() in the game,
// a scripted sequence in tests.
#pragma once

namespace wtrq {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A value as rand() gives it: 0 to RAND_MAX.
    virtual int next() = 0;
};

// The C runtime's rand(), seeded once at start-up by the program.
RandomSource& runtimeRandom();

// a + next() mod (b - a + 1): an integer from a to b inclusive, drawn the way the whole game
// draws them, so a scripted source gives known results. Needs a <= b.
int randomInt(RandomSource& random, int a, int b);

}  // namespace wtrq
