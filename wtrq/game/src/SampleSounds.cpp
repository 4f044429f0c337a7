// Loading and playing the game screen's three sounds.
#include "game/SampleSounds.h"

#include <stdexcept>

#include "jwe/Package.h"
#include "jwe/ScratchFolder.h"

namespace wtrq {

SampleSounds::SampleSounds(std::string packagePath) : packagePath(std::move(packagePath))
{
}

SampleSounds::~SampleSounds()
{
    release();
}

void SampleSounds::load()
{
    release();
    static const char* const members[] = {"pop.wav", "build.wav", "walk.wav"};
    Package sounds(packagePath);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        sounds.extract(members[i]);
        samples[i] = FSOUND_Sample_Load(FSOUND_FREE, scratchPath("temp.tmp").c_str(), FSOUND_LOOP_OFF, 0, 0);
    }
    sounds.close();
    for (FSOUND_SAMPLE* sample : samples) {
        if (sample == nullptr) {
            release();
            throw std::runtime_error("Failed to load sounds!");
        }
    }
}

void SampleSounds::play(GameSound sound)
{
    FSOUND_SAMPLE* sample = samples[static_cast<std::size_t>(sound)];
    if (sample != nullptr) {
        FSOUND_PlaySound(FSOUND_FREE, sample);
    }
}

void SampleSounds::release()
{
    for (FSOUND_SAMPLE*& sample : samples) {
        if (sample != nullptr) {
            FSOUND_Sample_Free(sample);
            sample = nullptr;
        }
    }
}

}  // namespace wtrq
