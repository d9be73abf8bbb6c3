// The fifth scene: four greeting images growing one after another over the
// background, timed by the scene's own clock.
#include "app/assets.h"
#include "app/demo.h"
#include "draw/overlay.h"
#include "scenes/scenes.h"
#include "scenes/timing.h"
#include "window/glwindow.h"

float g_greetingsClock = 0.0f;

void sceneGreetings()
{
    const float t = g_greetingsClock;
    const int w = g_window->width;
    const int h = g_window->height;
    const GLuint textures[4] = {g_texGreetBrimvale2, g_texGreetKestral9, g_texGreetOstinak,
                                g_texGreetFjellbo};

    beginOverlay(w, h);
    drawImageQuad(0, 0, w, h, g_texJente);
    endOverlay();

    // Later greetings lie over earlier ones.
    beginOverlay(w, h);
    for (int i = 0; i < 4; ++i) {
        const SGreetingRect r = greetingRect(i, t);
        if (r.shown)
            drawBlendedImageQuad(r.x, r.y, r.w, r.h, textures[i]);
    }
    endOverlay();

    g_greetingsClock = g_greetingsClock + g_frameDelta;
}
