// One level: obstacles, presents, waypoints and snowballs read from a level file, updated and drawn.
#pragma once

#include <string>
#include <vector>

#include "core/STexture.h"
#include "core/SVector.h"
#include "core/SVertex.h"
#include "scene/IObject.h"

class CCamera;
class CEnemy;
class CEngine;
class CGFX;
class CImage;
class CPresent;
class IRandomSource;

class CLevel : public IObject {
public:
    // Loads the file at path. The two images are shared by all presents and all snowballs.
    // A file that fails its checks leaves an empty level (no obstacles, presents, waypoints or
    // snowballs) with IsLoaded() false and the reason in GetLoadError().
    CLevel(CEngine* engine, CCamera* camera, std::string path, CImage* presentImage, CImage* enemyImage);
    // The snowballs draw their directions from random.
    CLevel(CEngine* engine, CCamera* camera, std::string path, CImage* presentImage, CImage* enemyImage,
           IRandomSource& random);
    ~CLevel() override;
    CLevel(const CLevel&) = delete;
    CLevel& operator=(const CLevel&) = delete;

    // Obstacles, then presents, then snowballs, relative to the camera.
    void Render() override;
    // Presents turn, then snowballs move, in list order.
    void Update() override;

    bool IsLoaded() const { return loaded; }
    // One line, "<file>: <problem>", when IsLoaded() is false.
    const std::string& GetLoadError() const { return loadError; }

    float GetWidth() { return width; }
    float GetHeight() { return height; }
    int GetQuadCount() { return quadCount; }
    int GetWaypointCount() { return waypointCount; }
    // The number of presents the level started with, however many are left.
    int GetPresentCount() { return presentCount; }
    SQuad* GetQuads() { return quads.data(); }
    // The presents not yet collected; the player erases (and deletes) the ones it collects.
    std::vector<CPresent*>* GetPresents() { return &presents; }
    std::vector<CEnemy*>* GetEnemies() { return &enemies; }
    std::vector<SVector>* GetWaypoints() { return &waypoints; }
    SVector& GetStartPosition() { return startPosition; }
    SVector& GetEndPosition() { return endPosition; }
    IRandomSource& GetRandom() { return *random; }

private:
    void _Load(const std::string& path, CImage* presentImage, CImage* enemyImage);

    CEngine* engine;
    int quadCount = 0;
    int waypointCount = 0;
    int presentCount = 0;
    float width = 0.0f;
    float height = 0.0f;
    SVector startPosition{0.0f, 0.0f};
    SVector endPosition{0.0f, 0.0f};
    std::vector<SQuad> quads;
    STexture* obstacleTexture = nullptr;  // belongs to the renderer's cache
    std::vector<CPresent*> presents;
    std::vector<CEnemy*> enemies;
    std::vector<SVector> waypoints;
    CGFX* gfx;
    CCamera* camera;
    IRandomSource* random;
    bool loaded = false;
    std::string loadError;
};
