// The soundtrack through the sound library: loaded whole, started once.
#include "music/fmod.h"

CFmod::CFmod() : sample(nullptr), channel(0), opened(false) {}

CFmod::~CFmod()
{
    stop();
    close();
}

bool CFmod::init(const char *path)
{
    if (FSOUND_GetVersion() < 3.61f) {
        MessageBoxA(nullptr, "Wrong DLL?", "CFmod::init()", MB_OK);
        return false;
    }
    if (!FSOUND_Init(44100, 128, 2))
        return false;
    opened = true;
    return loadSample(path);
}

bool CFmod::loadSample(const char *path)
{
    if (!path)
        return false;
    sample = FSOUND_Sample_Load(-1, path, 0, 0);
    return sample != nullptr;
}

int CFmod::play()
{
    // Without a track there is nothing to start: the demo runs silent.
    if (!sample)
        return channel;
    channel = FSOUND_PlaySound(-1, sample);
    return channel;
}

void CFmod::stop()
{
    if (sample)
        FSOUND_StopSound(channel);
}

void CFmod::close()
{
    if (!opened)
        return;
    FSOUND_Close();
    opened = false;
    sample = nullptr;
}
