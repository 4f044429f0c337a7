// The snowball movement model: axis-aligned rolling at 0.8 pixels per frame, new
// directions at waypoints, borders and obstacles, turning back near the start, the
// exit and each other.
#include "SnowballRun.h"

#include "Geometry.h"

#include <algorithm>
#include <random>

namespace
{

constexpr float kSpeed = 0.8f;

struct SBall
{
    SLevelPoint position;
    SLevelPoint velocity{kSpeed, 0.0f};
};

void RandDirection(SBall& ball, bool allowReverse, std::mt19937& rng)
{
    const SLevelPoint old = ball.velocity;
    static const SLevelPoint kDirections[4] = {{0, kSpeed}, {0, -kSpeed}, {kSpeed, 0}, {-kSpeed, 0}};
    ball.velocity = kDirections[rng() % 4];
    if (allowReverse)
        return;
    // A pick that would send the ball straight back keeps it going the way it came.
    if (old.x > 0.2f && ball.velocity.x < -0.2f)
        ball.velocity.x = kSpeed;
    else if (old.x < -0.2f && ball.velocity.x > 0.2f)
        ball.velocity.x = -kSpeed;
    if (old.y > 0.2f && ball.velocity.y < -0.2f)
        ball.velocity.y = kSpeed;
    else if (old.y < -0.2f && ball.velocity.y > 0.2f)
        ball.velocity.y = -kSpeed;
}

void Step(std::vector<SBall>& balls, std::size_t self, const SLevelData& level, std::mt19937& rng)
{
    SBall& b = balls[self];
    if (b.position.x < 40)
        b.position.x = 40, RandDirection(b, true, rng);
    if (b.position.x > level.width - 40)
        b.position.x = level.width - 40, RandDirection(b, true, rng);
    if (b.position.y < 40)
        b.position.y = 40, RandDirection(b, true, rng);
    if (b.position.y > level.height - 40)
        b.position.y = level.height - 40, RandDirection(b, true, rng);

    if (Distance(b.position, level.start) < 80 || Distance(b.position, level.end) < 80)
        b.velocity = b.velocity * -1.0f;

    for (const SLevelPoint& w : level.waypoints)
        if (Distance(b.position, w) < 0.6f)
        {
            b.position = w;
            RandDirection(b, false, rng);
            break;
        }

    for (std::size_t i = 0; i < balls.size(); ++i)
        if (i != self && Distance(b.position, balls[i].position) < 60)
        {
            b.velocity = b.velocity * -1.0f;
            break;
        }

    for (const SLevelQuad& q : level.quads)
        for (int e = 0; e < 4; ++e)
        {
            const SLevelPoint p = NearestOnSegment(b.position, q.corners[e], q.corners[(e + 1) % 4]);
            const SLevelPoint d = b.position - p;
            const float dist = Length(d);
            // A ball exactly on an edge has no direction to be pushed in; leave it.
            if (dist < 40 && dist > 0)
            {
                b.position = b.position - d * ((dist - 40) / dist);
                RandDirection(b, true, rng);
            }
        }

    b.position = b.position + b.velocity;
}

}  // namespace

std::vector<SSnowballTrack> RollSnowballs(const SLevelData& level, int frames, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<SBall> balls;
    const std::size_t count = std::min<std::size_t>(std::size_t(std::max(0, level.enemyCount)), level.waypoints.size());
    for (std::size_t i = 0; i < count; ++i)
        balls.push_back({level.waypoints[i]});
    std::vector<SSnowballTrack> tracks(balls.size());
    for (std::size_t i = 0; i < balls.size(); ++i)
        tracks[i] = {balls[i].position.x, balls[i].position.y, balls[i].position.x, balls[i].position.y, false};

    for (int f = 0; f < frames; ++f)
        for (std::size_t i = 0; i < balls.size(); ++i)
        {
            Step(balls, i, level, rng);
            const SLevelPoint p = balls[i].position;
            SSnowballTrack& t = tracks[i];
            t.minX = std::min(t.minX, p.x);
            t.minY = std::min(t.minY, p.y);
            t.maxX = std::max(t.maxX, p.x);
            t.maxY = std::max(t.maxY, p.y);
            bool inside = p.x < 0 || p.y < 0 || p.x > level.width || p.y > level.height;
            for (const SLevelQuad& q : level.quads)
                inside = inside || InsideQuad(p, q);
            t.leftField = t.leftField || inside;
        }
    return tracks;
}
