// CAutopilot: the goal (the nearest present by the way there, then the exit), a direction
// that gets nearer to it without meeting a snowball, and the keys that skate that way.
#include "CAutopilot.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "CPilotGrid.h"
#include "actors/CPlayer.h"
#include "actors/VectorMath.h"
#include "core/SVertex.h"
#include "level/CLevel.h"
#include "scene/CPresent.h"

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kPresentReach = 28.0f;
constexpr float kExitReach = 32.0f;
constexpr float kMaxSpeed = 1.6f;
// Directions tried each frame, and how far ahead along each the way is judged.
constexpr int kDirections = 32;
constexpr float kLookAhead = 32.0f;
// How much way a moment of danger is worth: a near miss outweighs any detour.
constexpr float kDangerCost = 4000.0f;
constexpr float kWaitCost = 24.0f;

float Wrap(float angle)
{
    while (angle > kPi) {
        angle -= 2.0f * kPi;
    }
    while (angle < -kPi) {
        angle += 2.0f * kPi;
    }
    return angle;
}

SVector Along(float angle, float length) { return SVector{std::cos(angle) * length, std::sin(angle) * length}; }

}  // namespace

CAutopilot::CAutopilot() = default;
CAutopilot::~CAutopilot() = default;

void CAutopilot::_PickGoal(CPlayer& player, CLevel& level)
{
    const std::vector<CPresent*>& presents = *level.GetPresents();
    presentsLeft = presents.size();
    lives = player.GetLives();
    if (presents.empty()) {
        goal = level.GetEndPosition();
        goalReach = kExitReach - 8.0f;
        field.Build(*grid, goal, goalReach);
        return;
    }
    // The nearest present by the way there, not as the crow flies.
    CDistanceField fromElf;
    fromElf.Build(*grid, player.position, 12.0f);
    float best = CDistanceField::kUnreached;
    goal = presents.front()->position;
    for (const CPresent* present : presents) {
        const float d = fromElf.NearAt(present->position);
        if (d < best) {
            best = d;
            goal = present->position;
        }
    }
    goalReach = kPresentReach - 8.0f;
    field.Build(*grid, goal, goalReach);
}

CAutopilot::SLevelShape CAutopilot::_ShapeOf(CLevel& level)
{
    SLevelShape shape;
    shape.width = level.GetWidth();
    shape.height = level.GetHeight();
    shape.startX = level.GetStartPosition().x;
    shape.startY = level.GetStartPosition().y;
    shape.endX = level.GetEndPosition().x;
    shape.endY = level.GetEndPosition().y;
    shape.quads = level.GetQuadCount();
    for (int q = 0; q < level.GetQuadCount(); ++q) {
        for (const SVertex& v : level.GetQuads()[q].v) {
            shape.corners += v.x + v.y;
        }
    }
    return shape;
}

unsigned CAutopilot::Choose(CPlayer& player, CLevel& level)
{
    const SLevelShape shape = _ShapeOf(level);
    if (!(shape == mapped) || !grid) {
        mapped = shape;
        grid = std::make_unique<CPilotGrid>(level);
        _PickGoal(player, level);
    } else if (level.GetPresents()->size() != presentsLeft || player.GetLives() != lives) {
        _PickGoal(player, level);
    }
    forecast.Update(level);

    const SVector at = player.position;
    const SVector velocity = player.velocity;
    const float angle = player.GetAngle();
    const float toGoal = Distance(at, goal);

    // Judge each direction by the way left after skating a little along it, and by the danger.
    float bestCost = CDistanceField::kUnreached;
    float bestHeading = angle;
    bool wait = false;
    const bool goalInSight = toGoal < 3.0f * kLookAhead && grid->ClearRun(at, goal);
    for (int k = 0; k < kDirections; ++k) {
        const float heading = static_cast<float>(k) * 2.0f * kPi / kDirections;
        const SVector ahead = Add(at, Along(heading, kLookAhead));
        float way = field.At(ahead);
        if (way == CDistanceField::kUnreached || !grid->ClearRun(at, ahead)) {
            continue;
        }
        if (goalInSight) {
            const SVector toward = Sub(goal, at);
            way = std::min(way, toGoal - (toward.x * std::cos(heading) + toward.y * std::sin(heading)) / toGoal *
                                             std::min(toGoal, kLookAhead));
        }
        const SVector step = Along(heading, 1.5f);
        const float danger = forecast.Danger([&](int t) { return Add(at, Scale(step, static_cast<float>(t))); });
        const float cost = way + kDangerCost * danger + 6.0f * std::fabs(Wrap(heading - angle)) / kPi;
        if (cost < bestCost) {
            bestCost = cost;
            bestHeading = heading;
        }
    }
    // Standing still: the elf glides to a stop from its present speed.
    {
        const float here = field.NearAt(at);
        const float danger = forecast.Danger([&](int t) {
            // Friction divides the speed by 1.08 a frame: t frames glide this many times it.
            const float glide = (1.0f - std::pow(1.0f / 1.08f, static_cast<float>(t))) * 13.5f;
            return Add(at, Scale(velocity, glide));
        });
        const float cost = here + kWaitCost + kDangerCost * danger;
        if (cost < bestCost) {
            bestCost = cost;
            wait = true;
        }
    }
    // Slower on the last stretch, so the elf does not sail past the goal.
    const float speed = std::clamp(toGoal / 24.0f, 0.7f, kMaxSpeed);
    return _Steer(player, bestHeading, speed, wait);
}

unsigned CAutopilot::_Steer(CPlayer& player, float heading, float speed, bool wait)
{
    const float angle = player.GetAngle();
    const SVector facing = Along(angle, 1.0f);
    const SVector velocity = player.velocity;
    const float moving = Length(velocity);
    unsigned keys = 0;
    if (wait) {
        // Brake with whichever push works against the glide, without turning round.
        if (moving > 0.15f) {
            const float along = Dot(facing, velocity) / moving;
            if (along > 0.7f) {
                keys |= kPushBack;
            } else if (along < -0.7f) {
                keys |= kPush;
            }
        }
        return keys;
    }
    const float error = Wrap(heading - angle);
    if (error > 0.03f) {
        keys |= kTurnRight;
    } else if (error < -0.03f) {
        keys |= kTurnLeft;
    }
    const SVector want = Along(heading, 1.0f);
    const float speedThatWay = Dot(velocity, want);
    if (std::fabs(error) < 0.7f && speedThatWay < speed) {
        keys |= kPush;
    } else if (speedThatWay > speed + 0.4f && Dot(facing, velocity) > 0.7f * moving) {
        keys |= kPushBack;
    }
    return keys;
}
