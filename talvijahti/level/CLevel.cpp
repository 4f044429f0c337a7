// CLevel: building a level from its file, and its per-frame update and drawing.
#include "CLevel.h"

#include <cmath>

#include "LevelFile.h"
#include "actors/CEnemy.h"
#include "actors/IRandomSource.h"
#include "engine/CEngine.h"
#include "gfx/CGFX.h"
#include "scene/CCamera.h"
#include "scene/CPresent.h"

namespace {

// The obstacle texture repeats every this many pixels along the quad's own edges.
constexpr float kObstacleTexturePixels = 80.0f;
constexpr int kOpaque = 0;

}  // namespace

CLevel::CLevel(CEngine* engine, CCamera* camera, std::string path, CImage* presentImage, CImage* enemyImage)
    : CLevel(engine, camera, std::move(path), presentImage, enemyImage, RuntimeRandom())
{
}

CLevel::CLevel(CEngine* engine, CCamera* camera, std::string path, CImage* presentImage, CImage* enemyImage,
               IRandomSource& random)
    : engine(engine), gfx(engine->GetGFX()), camera(camera), random(&random)
{
    obstacleTexture = gfx->GetTexture("data/puu.png");
    _Load(path, presentImage, enemyImage);
}

void CLevel::_Load(const std::string& path, CImage* presentImage, CImage* enemyImage)
{
    SLevelLoadResult file = ReadLevelFile(path);
    if (!file.ok) {
        loadError = file.error;
        return;
    }
    const SLevelData& data = file.level;
    width = data.width;
    height = data.height;
    startPosition = SVector{data.start.x, data.start.y};
    endPosition = SVector{data.end.x, data.end.y};
    quadCount = static_cast<int>(data.quads.size());
    presentCount = static_cast<int>(data.presents.size());
    waypointCount = static_cast<int>(data.waypoints.size());

    quads.resize(data.quads.size());
    for (std::size_t i = 0; i < quads.size(); ++i) {
        SVertex* v = quads[i].v;
        for (int c = 0; c < 4; ++c) {
            v[c].x = data.quads[i].corners[c].x;
            v[c].y = data.quads[i].corners[c].y;
        }
        // Absolute differences: a quad listed with mirrored corners still gets positive coordinates.
        v[0].u = 0.0f;
        v[0].v = 0.0f;
        v[1].u = 0.0f;
        v[1].v = std::fabs(v[1].y - v[0].y) / kObstacleTexturePixels;
        v[2].u = std::fabs(v[2].x - v[1].x) / kObstacleTexturePixels;
        v[2].v = std::fabs(v[2].y - v[3].y) / kObstacleTexturePixels;
        v[3].u = std::fabs(v[0].x - v[3].x) / kObstacleTexturePixels;
        v[3].v = 0.0f;
    }

    // Presents exist before their positions are set, as they are read.
    for (int i = 0; i < presentCount; ++i) {
        presents.push_back(new CPresent(engine, camera, presentImage));
    }
    for (int i = 0; i < presentCount; ++i) {
        presents[i]->position = SVector{data.presents[i].x, data.presents[i].y};
    }

    for (const SLevelPoint& w : data.waypoints) {
        waypoints.push_back(SVector{w.x, w.y});
    }

    // Every waypoint is in place before the first snowball takes its own (snowball i on waypoint i).
    for (int i = 0; i < data.enemyCount; ++i) {
        enemies.push_back(new CEnemy(engine, camera, this, enemyImage, i));
    }
    loaded = true;
}

CLevel::~CLevel()
{
    for (CEnemy* enemy : enemies) {
        delete enemy;
    }
    for (CPresent* present : presents) {
        delete present;
    }
}

void CLevel::Update()
{
    for (CPresent* present : presents) {
        present->Update();
    }
    for (CEnemy* enemy : enemies) {
        enemy->Update();
    }
}

void CLevel::Render()
{
    const SVector view = camera->position;
    // The stored quads keep world coordinates; only copies move with the view.
    for (const SQuad& quad : quads) {
        if (obstacleTexture == nullptr) {
            break;  // a picture that went missing after the start-up check leaves the obstacles unseen
        }
        SQuad shown = quad;
        for (SVertex& corner : shown.v) {
            corner.x -= view.x;
            corner.y -= view.y;
        }
        gfx->RenderTextureQuad(obstacleTexture, shown, kOpaque);
    }
    for (CPresent* present : presents) {
        present->Render();
    }
    for (CEnemy* enemy : enemies) {
        enemy->Render();
    }
}
