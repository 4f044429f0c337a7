// Loading the committed packages' members through the game's own package reader.
#include "PackageFixture.h"

#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "fsound.h"
#include "fsound_pull.h"
#include "jwe/Package.h"
#include "jwe/Screen.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Surfaces.h"

namespace {

std::string packagePath(const std::string& package)
{
    return std::string(WTRQ_GAMEDATA_DIR) + "/" + package;
}

std::unique_ptr<Package> openPackage;

// The game's own video mode (pictures are converted to it when they load), fonts, and the
// sound library running without a device.
class GameEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        screen.init(SDL_INIT_VIDEO, 640, 480, 24, SDL_SWSURFACE);
        TTF_Init();
        FSOUNDX_InitPulled(32);
    }
    void TearDown() override
    {
        openPackage.reset();
        FSOUND_Close();
        TTF_Quit();
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new GameEnvironment);

}  // namespace

std::vector<std::string> membersOf(const std::string& package)
{
    Package p(packagePath(package));
    return p.memberNames();
}

std::string extractToScratch(const std::string& package, const std::string& member)
{
    openPackage = std::make_unique<Package>(packagePath(package));
    openPackage->extract(member);
    return scratchPath("temp.tmp");
}

void closeScratch()
{
    openPackage.reset();
}

std::string memberBytes(const std::string& package, const std::string& member)
{
    return withExtracted(package, member, [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    });
}

SDL_Surface* loadMemberImage(const std::string& package, const std::string& member)
{
    SDL_Surface* image = withExtracted(package, member, [](const std::string& path) { return loadImage(path); });
    EXPECT_NE(image, nullptr) << member << " in " << package << " does not decode: " << SDL_GetError();
    return image;
}
