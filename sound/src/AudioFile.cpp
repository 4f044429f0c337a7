// Reading sound files through libsndfile.
#include "AudioFile.h"

namespace fmodlite {

std::unique_ptr<AudioFile> AudioFile::Open(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return nullptr;
    if (info.channels < 1 || info.samplerate < 1000 || info.samplerate > 384000) {
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

void AudioFile::ReadAll(Pcm& out)
{
    if (info.frames > 0)
        out.reserve(out.size() + static_cast<size_t>(info.frames) * 2 * kMixRate / info.samplerate + 4);
    while (Read(8192, out)) {
    }
}

}  // namespace fmodlite
