// sndplay's work: parse the command line and play sound files through fmodlite.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace sndplay {

struct Options {
    std::vector<std::string> files;
    int volume = 255;           // 0..255, also scaled onto modules' 0..256
    double moduleSeconds = 20;  // modules loop for ever, so each plays this long
    std::string wavOut;         // when set, the mix goes to this WAV file instead of a device
};

// Answers false, with the reason in `error`, for a command line that cannot be used.
bool ParseArgs(const std::vector<std::string>& args, Options& options, std::string& error);
std::string Usage();

// Plays every file in turn (modules through the module player, the rest as samples).
// Answers the exit status: 0 when everything played, 1 when some file or the output failed.
int Run(const Options& options, std::ostream& log);

}  // namespace sndplay
