// CPlayer: the elf's per-frame rules and its sounds.
#include "CPlayer.h"

#include <cmath>
#include <vector>

#include "EdgeContact.h"
#include "VectorMath.h"
#include "engine/CEngine.h"
#include "level/CLevel.h"
#include "scene/CPresent.h"
#include "actors/CEnemy.h"
#include "sound/CSoundSystem.h"

namespace {

// SDL key codes.
constexpr unsigned char kKeyTurnLeft = 'h';
constexpr unsigned char kKeyTurnRight = 'k';
constexpr unsigned char kKeyPush = 'u';
constexpr unsigned char kKeyPushBack = 'j';

constexpr float kTurnPerFrame = 0.06f;
constexpr float kPushForward = 0.2f;
constexpr float kPushBackward = 0.16f;
constexpr float kExitReach = 32.0f;
constexpr float kPresentReach = 28.0f;
constexpr float kSnowballReach = 36.0f;
constexpr float kMaxSpeed = 1.6f;
constexpr float kBorder = 14.0f;
constexpr float kObstacleDistance = 16.0f;
// Sliding into an obstacle takes away 40 % of the velocity's component into it, without a bounce.
constexpr float kSlideLoss = 0.2f;
constexpr float kSlideSoundSpeed = 0.2f;
constexpr float kFriction = 1.08f;
constexpr int kStartLives = 6;

}  // namespace

CPlayer::CPlayer(CEngine* engine, CCamera* camera, CLevel* level, CImage* image)
    : CSpriteObject(engine, camera, image), level(level), finished(false), gifts(0), lives(kStartLives)
{
    CSoundSystem* sound = engine->GetSoundSystem();
    slideSound = sound->LoadSample("sfx/Ice slow.wav");
    hitSound = sound->LoadSample("sfx/ouch.wav");
    pickupSound = sound->LoadSample("sfx/Button 2.wav");
    slideSound->SetVolume(40);
    hitSound->SetVolume(40);
    pickupSound->SetVolume(100);
    position = level->GetStartPosition();
}

CPlayer::~CPlayer()
{
    CSoundSystem* sound = engine->GetSoundSystem();
    sound->FreeSample(slideSound);
    sound->FreeSample(hitSound);
    sound->FreeSample(pickupSound);
}

void CPlayer::InitForNextLevel(CLevel* level)
{
    gifts = 0;
    finished = false;
    this->level = level;
    position = level->GetStartPosition();
}

void CPlayer::Update()
{
    _Steer();
    // The exit counts before this frame's collection: the last present taken at the exit
    // finishes the level on the next frame.
    if (Distance(position, level->GetEndPosition()) < kExitReach && gifts == level->GetPresentCount()) {
        finished = true;
    }
    _CollectPresent();
    _CheckSnowballs();
    direction = SVector{std::cos(angle), std::sin(angle)};
    _LimitSpeed();
    _KeepInsideLevel();
    _SlideAlongObstacles();
    _PlaySlideSound();
    position = Add(position, velocity);
    // Divided, not multiplied by the reciprocal: the two differ in the last bit for many speeds.
    velocity = SVector{velocity.x / kFriction, velocity.y / kFriction};
}

void CPlayer::_Steer()
{
    CInputSystem* input = engine->GetInput();
    if (input->GetKey(kKeyTurnLeft)) {
        angle -= kTurnPerFrame;
    }
    if (input->GetKey(kKeyTurnRight)) {
        angle += kTurnPerFrame;
    }
    // direction is still last frame's heading; it is (0, 0) in a game's first frame.
    if (input->GetKey(kKeyPush)) {
        velocity = Add(velocity, Scale(direction, kPushForward));
    }
    if (input->GetKey(kKeyPushBack)) {
        velocity = Sub(velocity, Scale(direction, kPushBackward));
    }
}

void CPlayer::_CollectPresent()
{
    std::vector<CPresent*>& presents = *level->GetPresents();
    for (auto it = presents.begin(); it != presents.end(); ++it) {
        if (Distance(position, (*it)->position) < kPresentReach) {
            pickupSound->Play();
            delete *it;
            presents.erase(it);
            ++gifts;
            return;  // at most one present a frame
        }
    }
}

void CPlayer::_CheckSnowballs()
{
    for (CEnemy* snowball : *level->GetEnemies()) {
        if (Distance(position, snowball->position) < kSnowballReach) {
            hitSound->Play();
            --lives;
            // Velocity and heading stay: the elf glides on from the start.
            position = level->GetStartPosition();
            return;  // at most one life a frame
        }
    }
}

void CPlayer::_LimitSpeed()
{
    const float speed = Length(velocity);
    if (speed > kMaxSpeed) {
        velocity = Scale(velocity, kMaxSpeed / speed);
    }
}

void CPlayer::_KeepInsideLevel()
{
    if (position.x < kBorder) {
        position.x = kBorder;
    }
    if (position.x > level->GetWidth() - kBorder) {
        position.x = level->GetWidth() - kBorder;
    }
    if (position.y < kBorder) {
        position.y = kBorder;
    }
    if (position.y > level->GetHeight() - kBorder) {
        position.y = level->GetHeight() - kBorder;
    }
}

void CPlayer::_SlideAlongObstacles()
{
    static constexpr int kEdges[4][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}};
    const SQuad* quads = level->GetQuads();
    for (int q = 0; q < level->GetQuadCount(); ++q) {
        for (const auto& edge : kEdges) {
            SVector n;
            if (PushOutOfEdge(position, quads[q], edge[0], edge[1], kObstacleDistance, n)) {
                const float reflected = 2.0f * Dot(velocity, n);
                velocity = Sub(velocity, Scale(Scale(n, reflected), kSlideLoss));
            }
        }
    }
}

void CPlayer::_PlaySlideSound()
{
    if (Length(velocity) > kSlideSoundSpeed) {
        if (!slideSound->IsPlaying()) {
            slideSound->Play();
        }
    } else {
        slideSound->Stop();
    }
}
