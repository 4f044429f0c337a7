// Writing the test sounds and measuring rendered audio.
#include "TestSounds.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <sndfile.h>

namespace soundtest {

bool WriteSineWav(const std::string& path, const SineWav& sine)
{
    SF_INFO info{};
    info.samplerate = sine.rate;
    info.channels = sine.channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<short> data(static_cast<size_t>(sine.frames) * sine.channels);
    for (int i = 0; i < sine.frames; ++i) {
        const double v = sine.amplitude * 32767.0 * std::sin(2.0 * M_PI * sine.frequency * i / sine.rate);
        for (int c = 0; c < sine.channels; ++c)
            data[static_cast<size_t>(i) * sine.channels + c] = static_cast<short>(std::lround(v));
    }
    const bool ok = sf_writef_short(file, data.data(), sine.frames) == sine.frames;
    return sf_close(file) == 0 && ok;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool WriteCorruptWav(const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    // A RIFF header that promises a WAVE file, then bytes that are no format chunk.
    const char bytes[] = "RIFF\x24\x10\x00\x00WAVEjunk\xff\xff\xff\x7f garbage garbage garbage";
    out.write(bytes, sizeof(bytes) - 1);
    return static_cast<bool>(out);
}

std::vector<uint8_t> HugeDeclaredFlacBytes()
{
    // "fLaC", then the last metadata block, STREAMINFO, 34 bytes: block sizes 4096/4096, frame
    // sizes unknown, 44100 Hz, 2 channels, 16 bits, 2^36 - 1 frames.
    const uint8_t head[26] = {'f', 'L', 'a', 'C', 0x80, 0,    0,    34,   0x10, 0x00, 0x10, 0x00, 0,
                              0,   0,   0,   0,    0,    0x0a, 0xc4, 0x42, 0xff, 0xff, 0xff, 0xff, 0xff};
    std::vector<uint8_t> b(81, 0);  // after the head: the MD5 sum and a stub where frames would follow
    std::copy(head, head + sizeof head, b.begin());
    return b;
}

int Peak(const int16_t* stereo, size_t frames, int side)
{
    int peak = 0;
    for (size_t i = 0; i < frames; ++i)
        peak = std::max(peak, std::abs(static_cast<int>(stereo[2 * i + side])));
    return peak;
}

double Rms(const int16_t* stereo, size_t frames)
{
    if (frames == 0)
        return 0.0;
    double sum = 0.0;
    for (size_t i = 0; i < frames * 2; ++i)
        sum += static_cast<double>(stereo[i]) * stereo[i];
    return std::sqrt(sum / (frames * 2.0));
}

ScratchDir::ScratchDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "soundtest-XXXXXX").string();
    if (mkdtemp(pattern.data()))
        path = pattern;
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    if (!path.empty())
        std::filesystem::remove_all(path, ignored);
}

}  // namespace soundtest
