// The status message under the top bar: its text, how long it lives, and its outlined look.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

#include "world/Ticks.h"

namespace wtrq {

// A lifetime of -1 keeps the message until another replaces it.
inline constexpr std::int32_t untilReplaced = -1;

class StatusLine {
public:
    explicit StatusLine(const TickSource& clock) : clock(clock) {}

    void set(const std::string& newText, std::int32_t lifetime);
    void clear() { text.clear(); }
    // Expires a message whose lifetime is over, else draws it centred on x 320.
    void draw(SDL_Surface* target);

    const std::string& currentText() const { return text; }
    std::int32_t lifetime() const { return duration; }

private:
    const TickSource& clock;
    std::string text;
    Ticks setTick = 0;
    std::int32_t duration = untilReplaced;
};

}  // namespace wtrq
