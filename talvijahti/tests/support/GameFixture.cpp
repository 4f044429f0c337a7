// GameFixture: scratch working folder with links to the game data, and an engine on test seams.
#include "GameFixture.h"

#include <unistd.h>

#include "gfx/CGFX.h"

namespace fs = std::filesystem;

void GameFixture::SetUp()
{
    previousFolder = fs::current_path();
    scratch = fs::temp_directory_path() /
              ("talvijahti_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(scratch);
    for (const char* folder : {"data", "sfx", "levels"}) {
        fs::create_directory_symlink(fs::path(TALVIJAHTI_TEST_DATA) / folder, scratch / folder);
    }
    fs::current_path(scratch);
    engine = CreateOrbo2d(800, 600, 32, false, SEngineSeams{&gl, &clock, &input});
}

void GameFixture::TearDown()
{
    RemoveOrbo2d(engine);
    fs::current_path(previousFolder);
    fs::remove_all(scratch);
}

int GameFixture::DrawsWithTexture(const std::string& path)
{
    STexture* texture = engine->GetGFX()->GetTexture(path);
    int count = 0;
    for (const RecordingGL::DrawCall& draw : gl.draws) {
        if (texture != nullptr && draw.texture == texture->id) {
            ++count;
        }
    }
    return count;
}
