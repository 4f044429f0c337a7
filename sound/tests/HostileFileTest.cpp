// Files that promise more than they hold, or more than a sound may be: refused, never a crash
// or a run on the memory.
#include <filesystem>

#include <sndfile.h>

#include "PulledLibrary.h"

namespace {

class HostileFileTest : public PulledLibrary {
protected:
    std::string WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        const std::string path = dir.File(name);
        EXPECT_TRUE(soundtest::WriteBytes(path, bytes));
        return path;
    }
    // 8-bit mono at 1000 Hz, so a long sound is a small file (and many frames at the mixer's rate).
    std::string LongQuietWav(const std::string& name, int seconds)
    {
        SF_INFO info{};
        info.samplerate = 1000;
        info.channels = 1;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8;
        const std::string path = dir.File(name);
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        EXPECT_NE(file, nullptr);
        std::vector<short> silence(1000, 0);
        for (int s = 0; s < seconds; ++s) {
            sf_writef_short(file, silence.data(), 1000);
        }
        sf_close(file);
        return path;
    }
};

TEST_F(HostileFileTest, ADeclaredLengthTheFileCannotHoldIsRefusedWhateverItsName)
{
    // The format is told by the contents, so the name does not matter.
    for (const char* name : {"huge.flac", "huge.wav", "huge"}) {
        SCOPED_TRACE(name);
        const std::string path = WriteBytes(name, soundtest::HugeDeclaredFlacBytes());
        EXPECT_EQ(FSOUND_Sample_Load(FSOUND_UNMANAGED, path.c_str(), 0, 0, 0), nullptr);
        EXPECT_EQ(FSOUND_Sample_Load(FSOUND_FREE, path.c_str(), 0, 0, 0), nullptr);
        EXPECT_EQ(FSOUND_Stream_Open(path.c_str(), 0, 0, 0), nullptr);
    }
}

TEST_F(HostileFileTest, HonestFilesOfEveryPackingStillLoad)
{
    struct Case {
        const char* name;
        int format;
    };
    const Case cases[] = {
        {"a.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
        {"a.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS},
        {"adpcm.wav", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM},
        {"u8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8},
        {"float.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SF_INFO info{};
        info.samplerate = 22050;
        info.channels = 2;
        info.format = c.format;
        const std::string path = dir.File(c.name);
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
        std::vector<short> frames(2 * 2205, 1000);
        sf_writef_short(file, frames.data(), 2205);
        sf_close(file);
        FSOUND_SAMPLE* sample = FSOUND_Sample_Load(FSOUND_UNMANAGED, path.c_str(), 0, 0, 0);
        EXPECT_NE(sample, nullptr);
        FSOUND_Sample_Free(sample);
        FSOUND_STREAM* stream = FSOUND_Stream_Open(path.c_str(), 0, 0, 0);
        EXPECT_NE(stream, nullptr);
        FSOUND_Stream_Close(stream);
    }
}

TEST_F(HostileFileTest, ASampleMayHoldFiveMinutesAndAStreamMore)
{
    const std::string under = LongQuietWav("under.wav", 299);
    const std::string over = LongQuietWav("over.wav", 301);
    FSOUND_SAMPLE* sample = FSOUND_Sample_Load(FSOUND_UNMANAGED, under.c_str(), 0, 0, 0);
    EXPECT_NE(sample, nullptr) << "299 seconds";
    FSOUND_Sample_Free(sample);
    EXPECT_EQ(FSOUND_Sample_Load(FSOUND_UNMANAGED, over.c_str(), 0, 0, 0), nullptr) << "301 seconds";
    // A stream holds only what it decodes ahead, so its length is no burden.
    FSOUND_STREAM* stream = FSOUND_Stream_Open(over.c_str(), 0, 0, 0);
    EXPECT_NE(stream, nullptr);
    FSOUND_Stream_Close(stream);
}

TEST_F(HostileFileTest, AModuleFileTooBigToReadWholeIsRefused)
{
    struct Case {
        std::uintmax_t paddedTo;
        bool loads;
    };
    const Case cases[] = {{1u << 20, true}, {(64u << 20) + 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.paddedTo);
        // A playable module with zeros after it (sparse, so the big one costs no disk).
        const std::string path = WriteBytes("padded.xm", soundtest::TestModuleBytes());
        std::filesystem::resize_file(path, c.paddedTo);
        FMUSIC_MODULE* module = FMUSIC_LoadSong(path.c_str());
        EXPECT_EQ(module != nullptr, c.loads);
        FMUSIC_FreeSong(module);
    }
}

}  // namespace
