// The slice of the FSOUND_ sound interface the demo calls, built on SDL2_mixer
// in platform/fsound.cpp. Only included on non-Windows builds.
#pragma once

typedef struct FSOUND_SAMPLE FSOUND_SAMPLE;

#define FSOUND_FREE (-1)

float FSOUND_GetVersion();
// Non-zero when output is open at mixRate with maxChannels channels.
signed char FSOUND_Init(int mixRate, int maxChannels, unsigned int flags);
// Decodes the whole file into memory; null on failure.
FSOUND_SAMPLE *FSOUND_Sample_Load(int index, const char *name, unsigned int mode, int memLength);
// Starts the sample on a free channel (channel FSOUND_FREE) and returns the channel used.
int FSOUND_PlaySound(int channel, FSOUND_SAMPLE *sample);
signed char FSOUND_StopSound(int channel);
void FSOUND_Close();
