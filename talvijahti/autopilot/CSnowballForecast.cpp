// CSnowballForecast: the snowballs' movement rules that can be foreseen, played ahead.
#include "CSnowballForecast.h"

#include <algorithm>

#include "actors/CEnemy.h"
#include "actors/VectorMath.h"
#include "level/CLevel.h"

void CSnowballForecast::Update(CLevel& level)
{
    const std::vector<CEnemy*>& enemies = *level.GetEnemies();
    balls = static_cast<int>(enemies.size());
    positions.resize(static_cast<std::size_t>(balls) * (kFrames + 1));
    const SVector start = level.GetStartPosition();
    const SVector end = level.GetEndPosition();
    for (int b = 0; b < balls; ++b) {
        SVector p = enemies[static_cast<std::size_t>(b)]->position;
        SVector v = enemies[static_cast<std::size_t>(b)]->velocity;
        SVector* track = &positions[static_cast<std::size_t>(b * (kFrames + 1))];
        track[0] = p;
        for (int t = 1; t <= kFrames; ++t) {
            if (Distance(p, start) < 80.0f || Distance(p, end) < 80.0f) {
                v = Scale(v, -1.0f);
            }
            p = Add(p, v);
            const SVector kept{std::clamp(p.x, 40.0f, std::max(40.0f, level.GetWidth() - 40.0f)),
                               std::clamp(p.y, 40.0f, std::max(40.0f, level.GetHeight() - 40.0f))};
            if (kept.x != p.x || kept.y != p.y) {
                p = kept;
                v = SVector{0.0f, 0.0f};
            }
            track[t] = p;
        }
    }
}
