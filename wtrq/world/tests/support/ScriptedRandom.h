// A random source that hands out a scripted list of rand() values and fails on an unexpected draw.
#pragma once

#include <deque>
#include <initializer_list>
#include <stdexcept>

#include "world/RandomSource.h"

namespace wtrq::test {

class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> values) : script(values) {}

    void push(int value) { script.push_back(value); }
    void pushAll(std::initializer_list<int> values) { script.insert(script.end(), values); }
    // When set, an exhausted script keeps answering with this value instead of failing.
    void fallBackTo(int value) { fallback = value; hasFallback = true; }
    int next() override
    {
        ++draws;
        if (script.empty()) {
            if (hasFallback)
                return fallback;
            throw std::logic_error("unexpected random draw: the script is exhausted");
        }
        const int value = script.front();
        script.pop_front();
        return value;
    }
    std::size_t left() const { return script.size(); }
    int draws = 0;

private:
    std::deque<int> script;
    int fallback = 0;
    bool hasFallback = false;
};

}  // namespace wtrq::test
