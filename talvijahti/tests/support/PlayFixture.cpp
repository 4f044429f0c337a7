// PlayFixture: level files, a deviceless sound library and readers of what a frame drew.
#include "PlayFixture.h"

#include <cmath>
#include <map>

#include "fsound.h"
#include "fsound_pull.h"
#include "gfx/CGFX.h"
#include "gfx/CImageHandler.h"

namespace fs = std::filesystem;

SLevelData SLevelSketch::ToData() const
{
    SLevelData data;
    data.width = width;
    data.height = height;
    data.start = start;
    data.end = end;
    data.quads = quads;
    data.presents = presents;
    data.waypoints = waypoints;
    data.enemyCount = enemies;
    return data;
}

SLevelQuad Box(float left, float top, float right, float bottom)
{
    SLevelQuad quad;
    quad.corners = {SLevelPoint{left, top}, SLevelPoint{left, bottom}, SLevelPoint{right, bottom},
                    SLevelPoint{right, top}};
    return quad;
}

std::vector<unsigned char> RawLevel(float width, float height, int quads, int presents, int waypoints,
                                    int enemies, std::size_t payloadBytes)
{
    SLevelData header;
    header.width = width;
    header.height = height;
    std::vector<unsigned char> bytes = EncodeLevel(header);
    bytes.resize(kLevelHeaderBytes);
    const int counts[4] = {quads, presents, waypoints, enemies};
    for (int i = 0; i < 4; ++i) {
        const auto value = static_cast<std::uint32_t>(counts[i]);
        for (int b = 0; b < 4; ++b) {
            bytes[24 + 4 * i + b] = static_cast<unsigned char>(value >> (8 * b));
        }
    }
    bytes.resize(kLevelHeaderBytes + payloadBytes, 0);
    return bytes;
}

void PlayFixture::SetUp()
{
    GameFixture::SetUp();
    // The test's own levels instead of the game's.
    fs::remove(scratch / "levels");
    fs::create_directory(scratch / "levels");
    // Without a device nothing plays on by itself: a sound started stays playing until stopped.
    FSOUND_Close();
    ASSERT_EQ(FSOUNDX_InitPulled(32), 1);
    CImageHandler* images = engine->GetImageHandler();
    presentImage = images->CreateImage(engine->GetGFX()->GetTexture("data/lahja.png"));
    enemyImage = images->CreateImage(engine->GetGFX()->GetTexture("data/pallo.png"));
}

void PlayFixture::TearDown()
{
    GameFixture::TearDown();
    FSOUND_Close();
}

std::string PlayFixture::LevelPath(int number)
{
    return "levels/level" + std::to_string(number) + ".lev";
}

void PlayFixture::WriteLevel(int number, const SLevelSketch& level)
{
    std::string error;
    ASSERT_TRUE(WriteLevelFile(LevelPath(number), level.ToData(), error)) << error;
}

void PlayFixture::WriteLevelBytes(int number, const std::vector<unsigned char>& bytes)
{
    std::FILE* file = std::fopen(LevelPath(number).c_str(), "wb");
    ASSERT_NE(file, nullptr);
    if (!bytes.empty()) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
    }
    std::fclose(file);
}

void PlayFixture::HoldKeys(const std::string& keys)
{
    input.ReleaseAllKeys();
    for (char key : keys) {
        input.SetKey(static_cast<unsigned char>(key), true);
    }
}

std::vector<PlayFixture::SDrawnText> PlayFixture::DrawnTexts()
{
    // The font is a 16-column grid of 8 x 15 cells; a glyph's cell gives its character code.
    STexture* font = engine->GetGFX()->GetTexture("data/font.png");
    std::map<float, std::map<float, char>> glyphsByLine;  // top y -> left x -> character
    for (const RecordingGL::DrawCall& draw : gl.draws) {
        if (draw.texture != font->id) {
            continue;
        }
        for (std::size_t i = 0; i + 3 < draw.vertices.size(); i += 4) {
            const SVertex& corner = draw.vertices[i];
            const long column = std::lround(corner.u / 0.0625f);
            const long row = std::lround(corner.v / 0.1171875f);
            glyphsByLine[corner.y][corner.x] = static_cast<char>(row * 16 + column);
        }
    }
    std::vector<SDrawnText> texts;
    for (const auto& [y, glyphs] : glyphsByLine) {
        SDrawnText line{glyphs.begin()->first, y, ""};
        for (const auto& [x, code] : glyphs) {
            line.text += code;
        }
        texts.push_back(line);
    }
    return texts;
}

std::vector<SVector> PlayFixture::DrawnCentres(const std::string& path)
{
    STexture* texture = engine->GetGFX()->GetTexture(path);
    std::vector<SVector> centres;
    for (const RecordingGL::DrawCall& draw : gl.draws) {
        if (draw.texture != texture->id) {
            continue;
        }
        for (std::size_t i = 0; i + 3 < draw.vertices.size(); i += 4) {
            SVector c{0.0f, 0.0f};
            for (std::size_t k = 0; k < 4; ++k) {
                c.x += draw.vertices[i + k].x / 4.0f;
                c.y += draw.vertices[i + k].y / 4.0f;
            }
            centres.push_back(c);
        }
    }
    return centres;
}
