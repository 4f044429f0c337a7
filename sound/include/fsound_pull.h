/* fmodlite extension: run the mixer without a sound device and pull its output into a buffer. */
#ifndef FMODLITE_FSOUND_PULL_H
#define FMODLITE_FSOUND_PULL_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Starts the library as FSOUND_Init does, but with no device: nothing is mixed until
 * FSOUNDX_Render asks for it. Streams are decoded ahead inside FSOUNDX_Render. */
signed char FSOUNDX_InitPulled(int maxsoftwarechannels);

/* Mixes the next `frames` frames of 16-bit interleaved stereo at 44100 Hz into `out`.
 * Answers 0 and writes nothing unless the library runs pulled. */
signed char FSOUNDX_Render(int16_t* out, int frames);

#ifdef __cplusplus
}
#endif

#endif
