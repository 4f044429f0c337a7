// The pop, build and walk sounds loaded from the sounds package and played on any free channel.
#pragma once

#include <array>
#include <string>

#include "fsound.h"
#include "game/GameSeams.h"

namespace wtrq {

class SampleSounds final : public SoundPlayer {
public:
    explicit SampleSounds(std::string packagePath = "data/sounds.pjw");
    ~SampleSounds() override;
    SampleSounds(const SampleSounds&) = delete;
    SampleSounds& operator=(const SampleSounds&) = delete;

    // Package errors pass through; a member that does not decode gives "Failed to load sounds!".
    void load() override;
    void play(GameSound sound) override;
    void release() override;

private:
    std::string packagePath;
    std::array<FSOUND_SAMPLE*, 3> samples{};  // pop, build, walk
};

}  // namespace wtrq
