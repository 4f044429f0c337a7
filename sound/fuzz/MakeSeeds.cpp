// Writes the seed corpora of the sound library's fuzz targets: small sound files of each kind
// the loaders meet, well formed and broken.
//   fmodlite_fuzz_seeds <folder>   writes <folder>/audio/* and <folder>/module/*
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sndfile.h>

#include "TestSounds.h"

namespace fs = std::filesystem;

namespace {

struct SAudioSeed {
    const char* name;
    int format;
    int rate;
    int channels;
    int frames;
};

uint32_t OggCrc(const uint8_t* data, size_t size)
{
    uint32_t crc = 0;
    for (size_t i = 0; i < size; ++i) {
        crc ^= static_cast<uint32_t>(data[i]) << 24;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04c11db7u : crc << 1;
        }
    }
    return crc;
}

// libsndfile gives each Ogg stream a random serial number; a fixed one keeps the seed the same
// from run to run. Every page carries the serial and a checksum over itself.
bool FixOggSerial(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (size_t page = 0; page + 27 <= bytes.size();) {
        if (std::memcmp(&bytes[page], "OggS", 4) != 0 || page + 27 + bytes[page + 26] > bytes.size()) {
            std::fprintf(stderr, "%s: not a sequence of Ogg pages\n", path.c_str());
            return false;
        }
        const size_t segments = bytes[page + 26];
        size_t size = 27 + segments;
        for (size_t i = 0; i < segments; ++i) {
            size += bytes[page + 27 + i];
        }
        if (page + size > bytes.size()) {
            std::fprintf(stderr, "%s: an Ogg page runs past the end\n", path.c_str());
            return false;
        }
        const uint8_t serial[4] = {'s', 'e', 'e', 'd'};
        std::memcpy(&bytes[page + 14], serial, 4);
        std::memset(&bytes[page + 22], 0, 4);
        const uint32_t crc = OggCrc(&bytes[page], size);
        for (int i = 0; i < 4; ++i) {
            bytes[page + 22 + i] = static_cast<uint8_t>(crc >> (8 * i));
        }
        page += size;
    }
    return soundtest::WriteBytes(path.string(), bytes);
}

bool WriteAudio(const fs::path& path, const SAudioSeed& seed)
{
    SF_INFO info{};
    info.samplerate = seed.rate;
    info.channels = seed.channels;
    info.format = seed.format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), sf_strerror(nullptr));
        return false;
    }
    // The peak chunk of float files carries the time of writing.
    sf_command(file, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    std::vector<short> data(static_cast<size_t>(seed.frames) * seed.channels);
    for (size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<short>(std::lround(12000.0 * std::sin(0.2 * static_cast<double>(i))));
    }
    const bool ok = sf_writef_short(file, data.data(), seed.frames) == seed.frames;
    if (sf_close(file) != 0 || !ok) {
        return false;
    }
    return (seed.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_OGG || FixOggSerial(path);
}

// A four-channel ProTracker module: one pattern with one note on a short looping sample.
std::vector<uint8_t> TinyMod()
{
    std::vector<uint8_t> b(20, 0);
    const char title[] = "fuzz seed";
    std::copy(title, title + sizeof title - 1, b.begin());
    for (int sample = 0; sample < 31; ++sample) {
        std::vector<uint8_t> header(30, 0);
        if (sample == 0) {
            header[22] = 0;
            header[23] = 16;  // 32 bytes
            header[25] = 64;  // volume
            header[29] = 16;  // loops over all of it
        }
        b.insert(b.end(), header.begin(), header.end());
    }
    b.push_back(1);    // song length
    b.push_back(127);
    b.push_back(0);    // order 0 plays pattern 0
    b.resize(b.size() + 127, 0);
    const char tag[] = "M.K.";
    b.insert(b.end(), tag, tag + 4);
    std::vector<uint8_t> pattern(64 * 4 * 4, 0);
    // Row 0, channel 0: sample 1 at period 428 (C-2).
    pattern[0] = 0x01;
    pattern[1] = 0xac;
    pattern[2] = 0x10;
    b.insert(b.end(), pattern.begin(), pattern.end());
    for (int i = 0; i < 32; ++i) {
        b.push_back(i < 16 ? 0x40 : 0xc0);
    }
    return b;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fmodlite_fuzz_seeds <folder>\n");
        return 2;
    }
    const fs::path audio = fs::path(argv[1]) / "audio";
    const fs::path module = fs::path(argv[1]) / "module";
    fs::create_directories(audio);
    fs::create_directories(module);

    const SAudioSeed seeds[] = {
        {"mono16.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1, 64},
        {"stereo8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 22050, 2, 64},
        {"float.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 8000, 1, 32},
        {"adpcm.wav", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 11025, 1, 505},
        {"pcm24.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_24, 48000, 2, 40},
        {"short.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 1, 256},
        {"short.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 22050, 1, 800},
    };
    bool ok = true;
    for (const SAudioSeed& seed : seeds) {
        ok = WriteAudio(audio / seed.name, seed) && ok;
    }
    ok = soundtest::WriteBytes((audio / "huge-length.flac").string(), soundtest::HugeDeclaredFlacBytes()) && ok;
    ok = soundtest::WriteCorruptWav((audio / "corrupt.wav").string()) && ok;
    ok = soundtest::WriteBytes((module / "tone.xm").string(), soundtest::TestModuleBytes()) && ok;
    ok = soundtest::WriteBytes((module / "tempoless.xm").string(), soundtest::TempolessModuleBytes()) && ok;
    ok = soundtest::WriteBytes((module / "tiny.mod").string(), TinyMod()) && ok;
    return ok ? 0 : 1;
}
