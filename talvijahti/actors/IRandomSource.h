// Where the snowballs draw their random directions from: the C runtime's rand() in the game,
// a scripted sequence in tests.
#pragma once

class IRandomSource {
public:
    virtual ~IRandomSource() = default;
    // A non-negative value; only its remainder modulo 4 is used.
    virtual int Next() = 0;
};

// rand(), seeded once at start-up by main.
IRandomSource& RuntimeRandom();
