// FindGameDataProblems: loads each picture, sound and level once, before any window opens,
// so that the game never runs on with a missing texture or sample.
#include "GameDataCheck.h"

#include <SDL_image.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "LevelFile.h"
#include "fsound.h"

namespace {

std::string LevelPath(int number)
{
    char path[64];
    std::snprintf(path, sizeof path, "levels/level%i.lev", number);
    return path;
}

SGameDataFiles MakeFileList()
{
    SGameDataFiles files;
    files.pictures = {"data/font.png",     "data/tonttu.png",  "data/lahja.png",   "data/pallo.png",
                      "data/lumi.png",     "data/lumisade.png", "data/puu.png",     "data/title.png",
                      "data/uusipeli.png", "data/lopeta.png",  "data/jatka.png",   "data/teksti1.png",
                      "data/teksti2.png"};
    files.sounds = {"sfx/wind.wav", "sfx/Ice slow.wav", "sfx/ouch.wav", "sfx/Button 2.wav"};
    for (int level = 1; level <= 10; ++level) {
        files.levels.push_back(LevelPath(level));
    }
    return files;
}

// Empty when path is a file that can be loaded; otherwise what stands there instead.
std::string NotAFile(const std::string& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (std::filesystem::is_regular_file(status)) {
        return {};
    }
    if (!std::filesystem::exists(status)) {
        return "missing";
    }
    if (std::filesystem::is_directory(status)) {
        return "is a folder, not a file";
    }
    return "is not a regular file";
}

}  // namespace

const SGameDataFiles& GameDataFiles()
{
    static const SGameDataFiles files = MakeFileList();
    return files;
}

std::vector<std::string> FindGameDataProblems()
{
    std::vector<std::string> problems;
    const SGameDataFiles& files = GameDataFiles();
    for (const std::string& path : files.pictures) {
        if (const std::string what = NotAFile(path); !what.empty()) {
            problems.push_back(path + ": " + what);
            continue;
        }
        SDL_Surface* picture = IMG_Load(path.c_str());
        if (picture == nullptr) {
            problems.push_back(path + ": cannot be read as a picture");
            continue;
        }
        SDL_FreeSurface(picture);
    }
    for (const std::string& path : files.sounds) {
        if (const std::string what = NotAFile(path); !what.empty()) {
            problems.push_back(path + ": " + what);
            continue;
        }
        // Loading needs no running output: the sound library only decodes here.
        FSOUND_SAMPLE* sample = FSOUND_Sample_Load(FSOUND_UNMANAGED, path.c_str(), 0, 0, 0);
        if (sample == nullptr) {
            problems.push_back(path + ": cannot be read as a sound");
            continue;
        }
        FSOUND_Sample_Free(sample);
    }
    for (const std::string& path : files.levels) {
        if (const std::string what = NotAFile(path); !what.empty()) {
            problems.push_back(path + ": " + what);
            continue;
        }
        const SLevelLoadResult level = ReadLevelFile(path);
        if (!level.ok) {
            problems.push_back(level.error);
        }
    }
    return problems;
}
