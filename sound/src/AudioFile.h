// A sound file opened through libsndfile and read as stereo frames at the mixer's rate.
#pragma once

#include <memory>
#include <string>

#include <sndfile.h>

#include "Format.h"
#include "Resampler.h"

namespace fmodlite {

// The longest sound a sample may hold, in frames at the mixer's rate (five minutes): a file
// that decodes to more is refused rather than allowed to fill the memory.
constexpr size_t kMaxSampleFrames = size_t(5) * 60 * kMixRate;

class AudioFile {
public:
    // Null when the file is missing, not a sound file libsndfile understands, or declares
    // more frames than its size could hold.
    static std::unique_ptr<AudioFile> Open(const std::string& path);
    ~AudioFile();
    AudioFile(const AudioFile&) = delete;
    AudioFile& operator=(const AudioFile&) = delete;

    // Appends up to `inputFrames` frames of the file, converted, to `out`; at the end of
    // the file appends what the converter held back. Answers false once the end is reached.
    bool Read(size_t inputFrames, Pcm& out);
    // Back to the first frame; false when the file cannot seek.
    bool Rewind();
    // Reads the rest of the file in bounded steps; false (with `out` as far as it got) when
    // it comes to more than kMaxSampleFrames frames.
    bool ReadAll(Pcm& out);

private:
    AudioFile(SNDFILE* file, const SF_INFO& info);

    SNDFILE* file;
    SF_INFO info;
    Resampler resampler;
    std::vector<int16_t> raw;     // the file's own frames, all its channels
    std::vector<int16_t> stereo;  // the same frames as stereo
};

}  // namespace fmodlite
