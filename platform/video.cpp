// Starting SDL's video subsystem, and telling a real display from SDL's
// fallback drivers.
#include <cstdio>
#include <cstring>

#include "platform/layer.h"

namespace {
bool isFallbackDriver(const char *driver)
{
    return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}
}  // namespace

bool layerVideoReady()
{
    const bool offscreen = layerSettings().offscreenVideo;
    if (SDL_WasInit(SDL_INIT_VIDEO)) {
        const char *driver = SDL_GetCurrentVideoDriver();
        if (isFallbackDriver(driver) == offscreen)
            return true;
        // The host changed its mind since the last start: begin again.
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    if (offscreen)
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "offscreen", SDL_HINT_OVERRIDE);
    else
        SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "fjolbar: no display: %s\n", SDL_GetError());
        std::fflush(stderr);
        return false;
    }
    const char *driver = SDL_GetCurrentVideoDriver();
    if (!offscreen && isFallbackDriver(driver)) {
        // With no display SDL quietly picks one of these; the demo needs a screen.
        std::fprintf(stderr, "fjolbar: no display (SDL found only its '%s' video driver)\n",
                     driver);
        std::fflush(stderr);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    return true;
}
