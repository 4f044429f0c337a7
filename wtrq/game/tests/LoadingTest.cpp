// Loading the play screen's sounds and top bar: what a broken package reports.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "game/SampleSounds.h"
#include "jwe/Exceptions.h"
#include "jwe/Package.h"
#include "pjw/PackageWriter.h"
#include "support/GameFixture.h"

namespace wtrq::test {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> memberOf(const fs::path& package, const std::string& name, const fs::path& scratch)
{
    Package source(package.string());
    source.extractTo(name, scratch.string());
    source.close();
    std::ifstream in(scratch, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SoundLoading : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/wtrq-game-sounds-XXXXXX";
        folder = mkdtemp(pattern);
        const fs::path real = fs::path(WTRQ_GAME_TEST_DATA) / "data" / "sounds.pjw";
        for (const char* name : {"pop.wav", "build.wav", "walk.wav"})
            members.push_back({name, memberOf(real, name, folder / "member.tmp")});
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string write(const std::vector<pjw::PackageMember>& contents)
    {
        const std::string path = (folder / "sounds.pjw").string();
        pjw::writePackage(path, contents, 31);
        return path;
    }
    fs::path folder;
    std::vector<pjw::PackageMember> members;
};

TEST_F(SoundLoading, AllThreeLoadFromTheGamesPackage)
{
    SampleSounds sounds(write(members));
    EXPECT_NO_THROW(sounds.load());
    EXPECT_NO_THROW(sounds.play(GameSound::Walk));
}

TEST_F(SoundLoading, ASoundThatDoesNotDecodeIsReported)
{
    members[1].data = {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v'};
    SampleSounds sounds(write(members));
    try {
        sounds.load();
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Failed to load sounds!");
    }
}

TEST_F(SoundLoading, AMissingMemberIsNamed)
{
    members.pop_back();
    SampleSounds sounds(write(members));
    try {
        sounds.load();
        FAIL() << "no error";
    } catch (const JWEException& error) {
        EXPECT_STREQ(error.what(), "Failed to load file \"walk.wav\".");
    }
}

class TopBarLoading : public SdlFixture {};

TEST_F(TopBarLoading, APictureThatDoesNotDecodeIsNamed)
{
    char pattern[] = "/tmp/wtrq-game-topbar-XXXXXX";
    const fs::path folder = mkdtemp(pattern);
    const fs::path start = fs::current_path();
    const fs::path real = fs::path(WTRQ_GAME_TEST_DATA) / "data";
    fs::create_directories(folder / "data");
    fs::copy_file(real / "tiles.pjw", folder / "data" / "tiles.pjw");
    pjw::writePackage((folder / "data" / "gui.pjw").string(),
                      {{"topbar.png", memberOf(real / "gui.pjw", "topbar.png", folder / "member.tmp")},
                       {"topbar_down.png", {'b', 'r', 'o', 'k', 'e', 'n'}}},
                      5);
    fs::current_path(folder);
    ManualClock clock;
    SeededRandom random{1};
    RecordingSounds sounds;
    NoPacer pacer;
    GameSeams seams;
    seams.clock = &clock;
    seams.random = &random;
    seams.sounds = &sounds;
    GameScreen game(pacer, GameOptions{}, seams);
    try {
        game.loadResources();
        ADD_FAILURE() << "no error";
    } catch (const JWEException& error) {
        EXPECT_STREQ(error.what(), "Failed to load file \"topbar_down.png\".");
    }
    EXPECT_FALSE(sounds.loaded);
    fs::current_path(start);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace wtrq::test
