// A game world for play tests: the GameFixture's engine with a levels folder of the test's own,
// level files written by a small writer, the sound library run without a device (so a started
// sound stays playing until stopped), and helpers for frames, keys and the texts drawn.
#pragma once

#include <string>
#include <vector>

#include "GameFixture.h"
#include "LevelFile.h"
#include "ScriptedRandom.h"
#include "core/SVector.h"

class CImage;

// A level description for fixtures; defaults give an empty 1000 x 800 field.
struct SLevelSketch {
    float width = 1000.0f;
    float height = 800.0f;
    SLevelPoint start{100.0f, 100.0f};
    SLevelPoint end{900.0f, 700.0f};
    std::vector<SLevelQuad> quads;
    std::vector<SLevelPoint> presents;
    std::vector<SLevelPoint> waypoints;
    int enemies = 0;

    SLevelData ToData() const;
};

// An axis-aligned box as an obstacle, corners in file order (top-left, bottom-left, bottom-right, top-right).
SLevelQuad Box(float left, float top, float right, float bottom);

// Raw level file bytes: a header with these fields, then payload bytes as given.
std::vector<unsigned char> RawLevel(float width, float height, int quads, int presents, int waypoints,
                                    int enemies, std::size_t payloadBytes);

class PlayFixture : public GameFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes levels/level<number>.lev.
    void WriteLevel(int number, const SLevelSketch& level);
    void WriteLevelBytes(int number, const std::vector<unsigned char>& bytes);
    static std::string LevelPath(int number);

    // Holds exactly these keys (SDL key codes) for the next input snapshot.
    void HoldKeys(const std::string& keys);
    // Takes the input snapshot as a frame of the game loop does.
    void Snapshot() { engine->Running(); }

    // The texts drawn with the font texture in the last frame, top to bottom, with their top y.
    struct SDrawnText {
        float x;
        float y;
        std::string text;
    };
    std::vector<SDrawnText> DrawnTexts();
    // Screen centres of the draws made with the texture of path (each quad one centre).
    std::vector<SVector> DrawnCentres(const std::string& path);

    CImage* presentImage = nullptr;
    CImage* enemyImage = nullptr;
    CScriptedRandom random;
};
