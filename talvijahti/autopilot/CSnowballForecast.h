// Where the snowballs will roll in the next moments, as the pilot guesses it: straight on,
// turning back at the start's and exit's keep-out circles and stopping at the border.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/SVector.h"

class CLevel;

class CSnowballForecast {
public:
    static constexpr int kFrames = 60;

    // Rolls every snowball of the level forward from where it is now.
    void Update(CLevel& level);

    // How dangerous a path is that puts the elf at path(t) in frame t: 0 when no snowball
    // comes near, growing as one comes closer, sooner.
    template <typename Path>
    float Danger(const Path& path) const;

private:
    int balls = 0;
    std::vector<SVector> positions;  // balls × (kFrames + 1), frame by frame
};

template <typename Path>
float CSnowballForecast::Danger(const Path& path) const
{
    // A hit is closer than 36; keep a margin for the turns the forecast cannot know.
    constexpr float kSafe = 64.0f;
    float danger = 0.0f;
    for (int t = 0; t <= kFrames; t += 2) {
        const SVector elf = path(t);
        // Nearer moments are surer: the snowballs may turn at a waypoint later on.
        const float weight = 1.0f - 0.5f * static_cast<float>(t) / kFrames;
        for (int b = 0; b < balls; ++b) {
            const SVector ball = positions[static_cast<std::size_t>(b * (kFrames + 1) + t)];
            const float dx = elf.x - ball.x;
            const float dy = elf.y - ball.y;
            const float d2 = dx * dx + dy * dy;
            if (d2 < kSafe * kSafe) {
                const float closeness = 1.0f - std::sqrt(d2) / kSafe;
                danger = std::max(danger, weight * closeness * closeness);
            }
        }
    }
    return danger;
}
