// The FSOUND_ calls of the demo over SDL2_mixer: stereo output, samples
// decoded whole into memory, one mixer channel per playing sample.
#include <cstring>
#include <vector>

#include <SDL_mixer.h>

#include "platform/fsound.h"
#include "platform/layer.h"

struct FSOUND_SAMPLE {
    Mix_Chunk *chunk;
};

namespace {
const float kLayerVersion = 3.61f;
// Small enough that sound and picture stay within a frame of each other.
const int kOutputFrames = 512;

struct SSound {
    bool open = false;
    std::vector<FSOUND_SAMPLE *> samples;
};

// Never destroyed: the demo's static music object closes the library from its
// destructor, after function-local statics made later would be gone.
SSound &sound()
{
    static SSound *state = new SSound;
    return *state;
}

// SDL's stand-in drivers play nowhere: unless someone asked for one by name,
// that is no device, and the demo must run silent.
bool isUnwantedStandIn(const char *driver)
{
    const char *asked = SDL_getenv("SDL_AUDIODRIVER");
    if (asked && *asked)
        return false;
    return driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "disk") == 0);
}
}  // namespace

float FSOUND_GetVersion()
{
    const float override = layerSettings().soundVersion;
    return override >= 0.0f ? override : kLayerVersion;
}

signed char FSOUND_Init(int mixRate, int maxChannels, unsigned int flags)
{
    (void)flags;  // output flags of the original library; SDL picks its own
    SSound &state = sound();
    if (state.open)
        return 1;
    if (!layerSettings().soundOutput || mixRate <= 0 || maxChannels <= 0)
        return 0;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return 0;
    if (isUnwantedStandIn(SDL_GetCurrentAudioDriver()) ||
        Mix_OpenAudio(mixRate, AUDIO_S16SYS, 2, kOutputFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    Mix_AllocateChannels(maxChannels);
    state.open = true;
    return 1;
}

FSOUND_SAMPLE *FSOUND_Sample_Load(int index, const char *name, unsigned int mode, int memLength)
{
    (void)index;  // always a free slot (-1)
    (void)mode;
    (void)memLength;  // names are always file paths
    SSound &state = sound();
    if (!state.open || !name)
        return nullptr;
    Mix_Chunk *chunk = Mix_LoadWAV(name);
    if (!chunk)
        return nullptr;
    FSOUND_SAMPLE *sample = new FSOUND_SAMPLE{chunk};
    state.samples.push_back(sample);
    return sample;
}

int FSOUND_PlaySound(int channel, FSOUND_SAMPLE *sample)
{
    SSound &state = sound();
    if (!state.open || !sample)
        return -1;
    bool known = false;
    for (FSOUND_SAMPLE *loaded : state.samples)
        known = known || loaded == sample;
    if (!known)
        return -1;
    const int wanted = channel == FSOUND_FREE ? -1 : channel;
    return Mix_PlayChannel(wanted, sample->chunk, 0);
}

signed char FSOUND_StopSound(int channel)
{
    SSound &state = sound();
    if (!state.open || channel < 0 || channel >= Mix_AllocateChannels(-1))
        return 0;
    Mix_HaltChannel(channel);
    return 1;
}

void FSOUND_Close()
{
    SSound &state = sound();
    if (!state.open)
        return;
    Mix_HaltChannel(-1);
    for (FSOUND_SAMPLE *sample : state.samples) {
        Mix_FreeChunk(sample->chunk);
        delete sample;
    }
    state.samples.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    state.open = false;
}
