// Small sound files made on the spot for tests, benchmarks and tools: sine waves, a broken
// file and a tiny tracker module.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundtest {

struct SineWav {
    int rate = 44100;
    int channels = 1;
    int frames = 4410;
    double frequency = 441.0;
    double amplitude = 0.5;  // of full scale
};

// A 16-bit PCM WAV file; answers false when it could not be written.
bool WriteSineWav(const std::string& path, const SineWav& sine);
// Writes the bytes as the whole file; answers false when it could not be written.
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// A file that starts like a WAV file but holds nothing a decoder can use.
bool WriteCorruptWav(const std::string& path);
// A two-channel XM module with one looping square-wave instrument, playing notes on both
// channels from its first row on, so it sounds without a break.
bool WriteTestModule(const std::string& path);
// An 81-byte FLAC file whose header declares 2^36 - 1 stereo frames with no audio behind them.
std::vector<uint8_t> HugeDeclaredFlacBytes();
std::vector<uint8_t> TestModuleBytes();
// A damaged module that libxmp loads but plays at a tempo of 0, so its ticks hold no sound.
std::vector<uint8_t> TempolessModuleBytes();

// Largest absolute value of one side (0 left, 1 right) of interleaved stereo frames.
int Peak(const int16_t* stereo, size_t frames, int side = 0);
// Root mean square of both sides.
double Rms(const int16_t* stereo, size_t frames);

// A folder of its own for one test, removed with everything in it at destruction.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string File(const std::string& name) const { return path + "/" + name; }

private:
    std::string path;
};

}  // namespace soundtest
