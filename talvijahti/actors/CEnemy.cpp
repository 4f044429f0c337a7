// CEnemy: the snowball's movement rules, applied in a fixed order each frame.
#include "CEnemy.h"

#include <vector>

#include "EdgeContact.h"
#include "IRandomSource.h"
#include "VectorMath.h"
#include "level/CLevel.h"

namespace {

constexpr float kSpeed = 0.8f;
constexpr float kSpin = 0.04f;
constexpr float kBorder = 40.0f;
constexpr float kKeepOutRadius = 80.0f;
// Below the step of 0.8, so a snowball cannot jump over a waypoint on its line of travel.
constexpr float kWaypointReach = 0.6f;
constexpr float kSnowballSpacing = 60.0f;
constexpr float kObstacleDistance = 40.0f;
// A velocity component counts as moving that way beyond this.
constexpr float kMovingThreshold = 0.2f;

}  // namespace

CEnemy::CEnemy(CEngine* engine, CCamera* camera, CLevel* level, CImage* image, int index)
    : CSpriteObject(engine, camera, image), level(level)
{
    velocity = SVector{kSpeed, 0.0f};
    position = (*level->GetWaypoints())[index];
}

void CEnemy::_RandDirection(bool allowReverse)
{
    const SVector old = velocity;
    switch (level->GetRandom().Next() % 4 + 1) {
    case 1: velocity = SVector{0.0f, kSpeed}; break;
    case 2: velocity = SVector{0.0f, -kSpeed}; break;
    case 3: velocity = SVector{kSpeed, 0.0f}; break;
    default: velocity = SVector{-kSpeed, 0.0f}; break;
    }
    if (allowReverse) {
        return;
    }
    if (old.x > kMovingThreshold && velocity.x < -kMovingThreshold) {
        velocity.x = kSpeed;
    } else if (old.x < -kMovingThreshold && velocity.x > kMovingThreshold) {
        velocity.x = -kSpeed;
    }
    if (old.y > kMovingThreshold && velocity.y < -kMovingThreshold) {
        velocity.y = kSpeed;
    } else if (old.y < -kMovingThreshold && velocity.y > kMovingThreshold) {
        velocity.y = -kSpeed;
    }
}

void CEnemy::Update()
{
    angle += kSpin;
    _KeepInsideBorders();
    if (Distance(position, level->GetStartPosition()) < kKeepOutRadius ||
        Distance(position, level->GetEndPosition()) < kKeepOutRadius) {
        velocity = Scale(velocity, -1.0f);
    }
    _TurnAtWaypoint();
    _AvoidOtherSnowballs();
    _PushOutOfObstacles();
    position = Add(position, velocity);
}

void CEnemy::_KeepInsideBorders()
{
    if (position.x < kBorder) {
        position.x = kBorder;
        _RandDirection(true);
    }
    if (position.x > level->GetWidth() - kBorder) {
        position.x = level->GetWidth() - kBorder;
        _RandDirection(true);
    }
    if (position.y < kBorder) {
        position.y = kBorder;
        _RandDirection(true);
    }
    if (position.y > level->GetHeight() - kBorder) {
        position.y = level->GetHeight() - kBorder;
        _RandDirection(true);
    }
}

void CEnemy::_TurnAtWaypoint()
{
    for (const SVector& waypoint : *level->GetWaypoints()) {
        if (Distance(position, waypoint) < kWaypointReach) {
            position = waypoint;
            _RandDirection(false);
            return;
        }
    }
}

void CEnemy::_AvoidOtherSnowballs()
{
    // The others are where they are now: some have moved this frame already, some not.
    for (CEnemy* other : *level->GetEnemies()) {
        if (other != this && Distance(position, other->position) < kSnowballSpacing) {
            velocity = Scale(velocity, -1.0f);
            return;
        }
    }
}

void CEnemy::_PushOutOfObstacles()
{
    static constexpr int kEdges[4][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}};
    const SQuad* quads = level->GetQuads();
    for (int q = 0; q < level->GetQuadCount(); ++q) {
        for (const auto& edge : kEdges) {
            SVector normal;
            if (PushOutOfEdge(position, quads[q], edge[0], edge[1], kObstacleDistance, normal)) {
                _RandDirection(true);
            }
        }
    }
}
