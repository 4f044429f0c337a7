// Reading sound files through libsndfile.
#include "AudioFile.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace fmodlite {

namespace {

// Frames a packed encoding cannot exceed per byte of file: far above what real coders
// reach (a silent stretch of FLAC comes to a few thousand frames a byte).
constexpr double kMaxPackedFramesPerByte = 16384.0;

// Bytes one frame takes in a plain container of uncompressed samples, 0 for anything else
// (FLAC and Ogg name their sample width in the subtype too, yet pack them).
double RawFrameBytes(const SF_INFO& info)
{
    switch (info.format & SF_FORMAT_TYPEMASK) {
    case SF_FORMAT_WAV:
    case SF_FORMAT_WAVEX:
    case SF_FORMAT_W64:
    case SF_FORMAT_RF64:
    case SF_FORMAT_AIFF:
    case SF_FORMAT_AU:
    case SF_FORMAT_RAW: break;
    default: return 0.0;
    }
    double sampleBytes = 0.0;
    switch (info.format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_ULAW:
    case SF_FORMAT_ALAW: sampleBytes = 1.0; break;
    case SF_FORMAT_PCM_16: sampleBytes = 2.0; break;
    case SF_FORMAT_PCM_24: sampleBytes = 3.0; break;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT: sampleBytes = 4.0; break;
    case SF_FORMAT_DOUBLE: sampleBytes = 8.0; break;
    default: return 0.0;
    }
    return sampleBytes * info.channels;
}

// Whether a file of `bytes` bytes could hold the frames its header declares.
bool DeclaredLengthFits(const SF_INFO& info, std::uintmax_t bytes)
{
    if (info.frames <= 0)
        return true;
    const double declared = static_cast<double>(info.frames);
    const double frameBytes = RawFrameBytes(info);
    const double capacity = frameBytes > 0.0 ? static_cast<double>(bytes) / frameBytes
                                             : static_cast<double>(bytes) * kMaxPackedFramesPerByte;
    return declared <= capacity;
}

// The declared length at the mixer's rate, as a hint for the memory to set aside.
size_t ExpectedFrames(const SF_INFO& info)
{
    if (info.frames <= 0)
        return 0;
    const double frames = static_cast<double>(info.frames) * kMixRate / info.samplerate + 4.0;
    return frames < static_cast<double>(kMaxSampleFrames) ? static_cast<size_t>(frames) : kMaxSampleFrames;
}

}  // namespace

std::unique_ptr<AudioFile> AudioFile::Open(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(path, error);
    if (error)
        return nullptr;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return nullptr;
    if (info.channels < 1 || info.samplerate < 1000 || info.samplerate > 384000 ||
        !DeclaredLengthFits(info, bytes)) {
        sf_close(file);
        return nullptr;
    }
    return std::unique_ptr<AudioFile>(new AudioFile(file, info));
}

AudioFile::AudioFile(SNDFILE* file, const SF_INFO& info)
    : file(file), info(info), resampler(info.samplerate)
{
}

AudioFile::~AudioFile()
{
    sf_close(file);
}

bool AudioFile::Read(size_t inputFrames, Pcm& out)
{
    const size_t channels = static_cast<size_t>(info.channels);
    raw.resize(inputFrames * channels);
    sf_count_t got = sf_readf_short(file, raw.data(), static_cast<sf_count_t>(inputFrames));
    if (got <= 0) {
        resampler.Finish(out);
        return false;
    }
    stereo.resize(static_cast<size_t>(got) * 2);
    for (sf_count_t i = 0; i < got; ++i) {
        // Mono plays on both sides; files with more channels keep their first two.
        const int16_t* f = raw.data() + static_cast<size_t>(i) * channels;
        stereo[2 * i] = f[0];
        stereo[2 * i + 1] = channels > 1 ? f[1] : f[0];
    }
    resampler.Push(stereo.data(), static_cast<size_t>(got), out);
    return true;
}

bool AudioFile::Rewind()
{
    resampler.Reset();
    return sf_seek(file, 0, SEEK_SET) == 0;
}

bool AudioFile::ReadAll(Pcm& out)
{
    // The declared length is only a hint: the file may hold less than it says.
    out.reserve(out.size() + ExpectedFrames(info) * 2);
    const size_t limit = out.size() + kMaxSampleFrames * 2;
    while (Read(8192, out)) {
        if (out.size() > limit)
            return false;
    }
    if (out.size() > limit)
        return false;
    out.shrink_to_fit();
    return true;
}

}  // namespace fmodlite
