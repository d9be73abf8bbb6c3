// The first scene: the logo fading in from black, then the credits one group
// after another.
#include "app/assets.h"
#include "app/demo.h"
#include "draw/overlay.h"
#include "scenes/scenes.h"
#include "scenes/timing.h"
#include "window/glwindow.h"

// Falls with frame time from the first intro frame on; never reset.
float g_introFadeAlpha = 1.0f;

namespace {

const int kCreditSize = 160;

void drawCredit(int x, int y, GLuint texture)
{
    drawBlendedImageQuad(x, y, kCreditSize, kCreditSize, texture);
}

} // namespace

void sceneIntro()
{
    const int w = g_window->width;
    const int h = g_window->height;

    // Untinted: the colour current here is the white the flash left behind.
    beginOverlay(w, h);
    drawImageQuad(0, 0, w, h, g_texLogo);
    endOverlay();

    if (creditShown(g_time, 8.7)) {
        beginOverlay(w, h);
        drawCredit(25, 490, g_texByQuenn);
        endOverlay();
    }
    if (creditShown(g_time, 12.5)) {
        beginOverlay(w, h);
        drawCredit(420, 440, g_texByTrosk);
        endOverlay();
    }
    if (creditShown(g_time, 16.3)) {
        beginOverlay(w, h);
        drawCredit(500, 4, g_texByPlimb);
        drawCredit(630, 430, g_texByVarrik);
        endOverlay();
    }
    if (creditShown(g_time, 20.1)) {
        beginOverlay(w, h);
        drawCredit(30, 7, g_texByDorsel2);
        endOverlay();
    }

    // Drawn before the first decrease, so the first frame is fully black.
    if (g_introFadeAlpha > 0.0f) {
        drawTintQuad(0.0f, 0.0f, 0.0f, g_introFadeAlpha);
        g_introFadeAlpha = static_cast<float>(g_introFadeAlpha - g_frameDelta * 0.15);
    }
}
