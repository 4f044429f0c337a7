// A rolling snowball: travels along the axes between waypoints, turns at borders, obstacles,
// other snowballs and the keep-out circles around the start and the exit.
#pragma once

#include "scene/CSpriteObject.h"

class CLevel;

class CEnemy : public CSpriteObject {
public:
    // Starts on the level's waypoint number index, rolling right. The level's waypoints must
    // already be read, with more than index of them.
    CEnemy(CEngine* engine, CCamera* camera, CLevel* level, CImage* image, int index);
    ~CEnemy() override = default;

    // One frame: spin, borders, keep-out circles, waypoints, other snowballs, obstacles, move.
    void Update() override;

    // Picks one of the four axis directions at random; without allowReverse a pick that would
    // send the snowball straight back keeps it going the way it came.
    void _RandDirection(bool allowReverse);

private:
    void _KeepInsideBorders();
    void _TurnAtWaypoint();
    void _AvoidOtherSnowballs();
    void _PushOutOfObstacles();

    CLevel* level;
};
