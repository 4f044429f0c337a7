// The music: a real multi-channel module that plays over a minute before it starts
// again, loads in our sound library, and plays without gaps and without clipping.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "PackageFixture.h"
#include "fsound.h"
#include "fsound_pull.h"

namespace {

int u16(const std::string& b, size_t at)
{
    return static_cast<uint8_t>(b.at(at)) | static_cast<uint8_t>(b.at(at + 1)) << 8;
}

uint32_t u32(const std::string& b, size_t at)
{
    return static_cast<uint32_t>(u16(b, at)) | static_cast<uint32_t>(u16(b, at + 2)) << 16;
}

struct ModuleFacts {
    int channels = 0, instruments = 0, speed = 0, bpm = 0;
    std::vector<int> order;
    std::vector<int> patternRows;
    // Effects that would change the time it takes: tempo, jumps, breaks, loops, delays.
    int timingEffects = 0;
};

ModuleFacts readModule(const std::string& b)
{
    ModuleFacts m;
    EXPECT_EQ(b.substr(0, 17), "Extended Module: ");
    const size_t header = 60;
    const int orders = u16(b, header + 4);
    m.channels = u16(b, header + 8);
    const int patterns = u16(b, header + 10);
    m.instruments = u16(b, header + 12);
    m.speed = u16(b, header + 16);
    m.bpm = u16(b, header + 18);
    for (int i = 0; i < orders; ++i) {
        m.order.push_back(static_cast<uint8_t>(b.at(header + 20 + i)));
    }
    size_t at = header + u32(b, header);
    for (int p = 0; p < patterns; ++p) {
        const uint32_t length = u32(b, at);
        m.patternRows.push_back(u16(b, at + 5));
        const int packed = u16(b, at + 7);
        size_t cell = at + length;
        const size_t end = cell + packed;
        while (cell < end) {
            const int first = static_cast<uint8_t>(b.at(cell));
            int effect = 0;
            if (first & 0x80) {
                ++cell;
                for (int bit = 0; bit < 5; ++bit) {
                    if (first & (1 << bit)) {
                        if (bit == 3) {
                            effect = static_cast<uint8_t>(b.at(cell));
                        }
                        ++cell;
                    }
                }
            } else {
                effect = static_cast<uint8_t>(b.at(cell + 3));
                cell += 5;
            }
            m.timingEffects += effect == 0xB || effect == 0xD || effect == 0xE || effect == 0xF ? 1 : 0;
        }
        at = end;
    }
    return m;
}

TEST(Music, IsAMultiChannelModuleOfOverAMinuteBeforeItRepeats)
{
    const ModuleFacts m = readModule(memberBytes("sounds.pjw", "christmas.xm"));
    EXPECT_GE(m.channels, 4);
    EXPECT_GE(m.instruments, 3);
    ASSERT_EQ(m.timingEffects, 0) << "the playing time below would not hold";
    ASSERT_GT(m.bpm, 0);
    double seconds = 0;
    for (int pattern : m.order) {
        ASSERT_LT(pattern, static_cast<int>(m.patternRows.size()));
        // A tick lasts 2.5 / BPM seconds and a row `speed` ticks.
        seconds += m.patternRows[pattern] * m.speed * 2.5 / m.bpm;
    }
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 300.0);
}

TEST(Music, PlaysWithoutGapsOrClipping)
{
    FMUSIC_MODULE* song = withExtracted("sounds.pjw", "christmas.xm",
                                        [](const std::string& path) { return FMUSIC_LoadSong(path.c_str()); });
    ASSERT_NE(song, nullptr);
    // Full volume: what does not clip here does not clip at the game's quieter setting.
    FMUSIC_SetMasterVolume(song, 256);
    FMUSIC_PlaySong(song);
    const int window = 44100;  // one second
    std::vector<int16_t> mix(2 * window);
    int clipped = 0;
    for (int second = 0; second < 100; ++second) {
        ASSERT_TRUE(FSOUNDX_Render(mix.data(), window));
        double energy = 0;
        for (int16_t s : mix) {
            energy += static_cast<double>(s) * s;
            clipped += s == 32767 || s == -32768 ? 1 : 0;
        }
        EXPECT_GT(std::sqrt(energy / mix.size()), 300.0) << "silence in second " << second;
    }
    EXPECT_EQ(clipped, 0);
    EXPECT_TRUE(FMUSIC_IsPlaying(song)) << "the music loops and goes on";
    FMUSIC_FreeSong(song);
}

}  // namespace
