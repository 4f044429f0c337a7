/* fmodlite: our small sound library with the FSOUND_ and FMUSIC_ calls both games make. */
#ifndef FMODLITE_FSOUND_H
#define FMODLITE_FSOUND_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FSOUND_SAMPLE FSOUND_SAMPLE;
typedef struct FSOUND_STREAM FSOUND_STREAM;
typedef struct FMUSIC_MODULE FMUSIC_MODULE;

/* Channel and slot selectors. */
#define FSOUND_FREE (-1)      /* any free channel, or any free sample slot */
#define FSOUND_UNMANAGED (-2) /* a sample the library keeps no slot for */

/* Sample modes (bit flags); 0 takes the default, no looping. Streams always play once. */
#define FSOUND_LOOP_OFF 0x00000001u
#define FSOUND_LOOP_NORMAL 0x00000002u

/* Output. Mixing runs at 44100 Hz, 16-bit stereo, on at most 32 channels.
 * Init answers 1 once output runs (also when it already ran), 0 when it could not start;
 * after a failed Init every call is safe and nothing plays. */
signed char FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int flags);
void FSOUND_Close(void);

/* Samples are decoded whole during the call, so the file may be deleted right after.
 * index: FSOUND_UNMANAGED, FSOUND_FREE or a slot number 0..1023 (replacing what was there). */
FSOUND_SAMPLE* FSOUND_Sample_Load(int index, const char* name, unsigned int mode, int offset, int length);
void FSOUND_Sample_Free(FSOUND_SAMPLE* sptr);

/* Channels. A channel handle names one playback; 0 names none. A handle whose playback
 * has ended or was replaced is ignored by every call. */
int FSOUND_PlaySound(int channel, FSOUND_SAMPLE* sptr);
signed char FSOUND_SetVolume(int channel, int vol); /* 0..255 */
signed char FSOUND_IsPlaying(int channel);
signed char FSOUND_StopSound(int channel);

/* Streams keep their file open and decode it ahead of playback. */
FSOUND_STREAM* FSOUND_Stream_Open(const char* name, unsigned int mode, int offset, int length);
int FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream);
signed char FSOUND_Stream_Stop(FSOUND_STREAM* stream);
signed char FSOUND_Stream_Close(FSOUND_STREAM* stream);

/* Tracker modules (XM, MOD, S3M, IT) are read whole during the load and loop until stopped. */
FMUSIC_MODULE* FMUSIC_LoadSong(const char* name);
signed char FMUSIC_FreeSong(FMUSIC_MODULE* mod);
signed char FMUSIC_PlaySong(FMUSIC_MODULE* mod);
signed char FMUSIC_StopSong(FMUSIC_MODULE* mod);
signed char FMUSIC_IsPlaying(FMUSIC_MODULE* mod);
signed char FMUSIC_SetMasterVolume(FMUSIC_MODULE* mod, int volume); /* 0..256 */

#ifdef __cplusplus
}
#endif

#endif
