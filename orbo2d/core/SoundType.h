// The kind of a sound object.
#pragma once

enum SoundType {
    SOUND_SAMPLE = 0,  // CSample, a sound effect loaded whole
    SOUND_STREAM = 1,  // CStream, audio streamed from its file
    SOUND_MUSIC = 2,   // CMusic, a tracker module
};
