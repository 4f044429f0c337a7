// A random source for tests: hands out the values it was given, in order, and counts the draws.
#pragma once

#include <deque>
#include <initializer_list>

#include "actors/IRandomSource.h"

class CScriptedRandom final : public IRandomSource {
public:
    CScriptedRandom() = default;
    CScriptedRandom(std::initializer_list<int> values) : values(values) {}

    // Past the end of the script every draw gives fallback (and is still counted).
    int Next() override
    {
        ++draws;
        if (values.empty()) {
            return fallback;
        }
        const int value = values.front();
        values.pop_front();
        return value;
    }
    void Push(int value) { values.push_back(value); }

    std::deque<int> values;
    int fallback = 2;  // 2 % 4 + 1 = 3: right
    int draws = 0;
};

// The value whose pick is the given direction (1 down, 2 up, 3 right, 4 left).
inline int Pick(int direction) { return direction - 1; }
constexpr int kDown = 1, kUp = 2, kRight = 3, kLeft = 4;
