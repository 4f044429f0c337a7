// Millisecond tick counts, the clock the world reads them from, and wrap-safe comparisons.
#pragma once

#include <cstdint>

namespace wtrq {

// SDL's millisecond count since start-up; it wraps to 0 after about 49.7 days.
using Ticks = std::uint32_t;

// Time from `since` to `now`. The unsigned difference stays right across the wrap, where
// comparing `now` with `since + period` would not.
constexpr Ticks ticksSince(Ticks now, Ticks since) { return now - since; }

constexpr bool hasElapsed(Ticks now, Ticks since, Ticks period) { return ticksSince(now, since) >= period; }

// Where the world reads the current time: SDL's tick count in the game, a manual clock in tests.
class TickSource {
public:
    virtual ~TickSource() = default;
    virtual Ticks now() const = 0;
};

// The game's clock: SDL_GetTicks (SDL must be initialised).
TickSource& sdlTicks();

}  // namespace wtrq
