// The soundtrack: loaded whole at start-up, started once with the clock.
#pragma once

#include "platform/platform.h"

class CFmod {
public:
    CFmod();
    ~CFmod();

    bool init(const char *path);
    bool loadSample(const char *path);
    int play();
    void stop();
    void close();

    FSOUND_SAMPLE *sample;
    int channel;
    bool opened;  // FSOUND_Init succeeded, so close() has something to shut down
};

extern CFmod g_music;
