// Playing files one after another, to a device or into a WAV file.
#include "Player.h"

#include <chrono>
#include <memory>
#include <thread>

#include <sndfile.h>

#include "fsound.h"
#include "fsound_pull.h"

namespace sndplay {

namespace {

constexpr int kRate = 44100;

// Waits for audio to pass: on a device by sleeping, into a file by rendering it.
class Clock {
public:
    explicit Clock(SNDFILE* file) : file(file), buffer(kPiece * 2) {}
    void Advance()
    {
        if (!file) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1000 * kPiece / kRate));
            return;
        }
        FSOUNDX_Render(buffer.data(), kPiece);
        sf_writef_short(file, buffer.data(), kPiece);
    }
    double Seconds(int pieces) const { return static_cast<double>(pieces) * kPiece / kRate; }

private:
    static constexpr int kPiece = 2205;  // 50 ms
    SNDFILE* file;
    std::vector<short> buffer;
};

bool ParseNumber(const std::string& text, double low, double high, double& value)
{
    try {
        size_t used = 0;
        value = std::stod(text, &used);
        return used == text.size() && value >= low && value <= high;
    } catch (const std::exception&) {
        return false;
    }
}

bool PlayOne(const std::string& path, const Options& options, Clock& clock, std::ostream& log)
{
    if (FMUSIC_MODULE* song = FMUSIC_LoadSong(path.c_str())) {
        log << "module " << path << "\n";
        FMUSIC_SetMasterVolume(song, options.volume * 256 / 255);
        FMUSIC_PlaySong(song);
        for (int pieces = 0; clock.Seconds(pieces) < options.moduleSeconds && FMUSIC_IsPlaying(song); ++pieces)
            clock.Advance();
        FMUSIC_FreeSong(song);
        return true;
    }
    if (FSOUND_SAMPLE* sample = FSOUND_Sample_Load(FSOUND_UNMANAGED, path.c_str(), FSOUND_LOOP_OFF, 0, 0)) {
        log << "sample " << path << "\n";
        const int channel = FSOUND_PlaySound(FSOUND_FREE, sample);
        FSOUND_SetVolume(channel, options.volume);
        while (FSOUND_IsPlaying(channel))
            clock.Advance();
        FSOUND_Sample_Free(sample);
        return true;
    }
    log << "sndplay: cannot load " << path << "\n";
    return false;
}

}  // namespace

std::string Usage()
{
    return "usage: sndplay [--volume 0..255] [--seconds S] [--wav OUT.wav] FILE...\n"
           "  plays each sound file (WAV, FLAC, Ogg) or tracker module (XM, MOD, S3M, IT) in turn;\n"
           "  modules play for S seconds (20); --wav writes the mix to a file instead of the speakers\n";
}

bool ParseArgs(const std::vector<std::string>& args, Options& options, std::string& error)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        double value = 0;
        if (a == "--volume" || a == "--seconds" || a == "--wav") {
            if (!hasValue) {
                error = a + " needs a value";
                return false;
            }
            const std::string& v = args[++i];
            if (a == "--wav") {
                options.wavOut = v;
            } else if (a == "--volume") {
                if (!ParseNumber(v, 0, 255, value)) {
                    error = "--volume takes 0..255, not " + v;
                    return false;
                }
                options.volume = static_cast<int>(value);
            } else {
                if (!ParseNumber(v, 0, 3600, value)) {
                    error = "--seconds takes 0..3600, not " + v;
                    return false;
                }
                options.moduleSeconds = value;
            }
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a;
            return false;
        } else {
            options.files.push_back(a);
        }
    }
    if (options.files.empty()) {
        error = "no files to play";
        return false;
    }
    return true;
}

int Run(const Options& options, std::ostream& log)
{
    std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(nullptr, sf_close);
    if (!options.wavOut.empty()) {
        SF_INFO info{};
        info.samplerate = kRate;
        info.channels = 2;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        file.reset(sf_open(options.wavOut.c_str(), SFM_WRITE, &info));
        if (!file) {
            log << "sndplay: cannot write " << options.wavOut << "\n";
            return 1;
        }
    }
    const bool started = file ? FSOUNDX_InitPulled(32) : FSOUND_Init(kRate, 32, 0);
    if (!started) {
        log << "sndplay: cannot start sound output\n";
        return 1;
    }
    Clock clock(file.get());
    bool allPlayed = true;
    for (const std::string& path : options.files)
        allPlayed = PlayOne(path, options, clock, log) && allPlayed;
    FSOUND_Close();
    return allPlayed ? 0 : 1;
}

}  // namespace sndplay
