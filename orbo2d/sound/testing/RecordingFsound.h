// A stand-in for the sound library in tests of the sound objects: every FSOUND_/FMUSIC_ call is
// written down as it was made, and what is playing is whatever the test says.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace recording_fsound {

// The calls since the last Clear, one line each, e.g. "FSOUND_SetVolume(1, 80)". Handles are
// written as the small numbers the fake hands out: samples s1, s2 ..., streams t1 ..., modules m1 ...
std::vector<std::string>& Calls();
void Clear();

// Channels whose playback runs; each play call opens the next channel number (1, 2, ...).
std::set<int>& PlayingChannels();
// Modules that play (by their number).
std::set<int>& PlayingModules();

// Forgets every handle, channel and call.
void Reset();

}  // namespace recording_fsound
