// The scratch file and the deviceless output shared by the sound library's fuzz targets.
#include "FuzzFile.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "fsound_pull.h"

namespace fmodlite_fuzz {

namespace {

const std::string& ScratchPath()
{
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() /
                               ("fmodlite-fuzz-" + std::to_string(::getpid()) + ".bin"))
                                  .string();
        std::atexit([] { std::remove(ScratchPath().c_str()); });
        return p;
    }();
    return path;
}

}  // namespace

const std::string& WriteInput(const uint8_t* data, size_t size)
{
    const std::string& path = ScratchPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::perror(path.c_str());
        std::abort();
    }
    if (size > 0 && std::fwrite(data, 1, size, file) != size) {
        std::perror(path.c_str());
        std::abort();
    }
    std::fclose(file);
    return path;
}

void StartPulledOutput()
{
    static const bool started = FSOUNDX_InitPulled(32) == 1;
    if (!started)
        std::abort();
}

void Mix(int frames)
{
    static std::vector<int16_t> out;
    out.resize(static_cast<size_t>(frames) * 2);
    FSOUNDX_Render(out.data(), frames);
}

}  // namespace fmodlite_fuzz
