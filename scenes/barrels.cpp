// The fourth scene: a fog-bound green corridor of 200 cubes on a helix, the
// camera's Bezier flight and pull-back, two overlays and the white-out.
#include "app/assets.h"
#include "app/demo.h"
#include "draw/overlay.h"
#include "scenes/scenes.h"
#include "scenes/timing.h"
#include "window/glwindow.h"

float g_barrelClock = 0.0f;
float g_barrelFadeAlpha = 0.0f;
// Fog colour and this scene's clear colour.
const GLfloat g_fogColor[4] = {0.0f, 0.2f, 0.0f, 1.0f};
const GLint g_fogMode = GL_LINEAR;

namespace {

const int kHelixCubes = 200;

void drawHelix()
{
    glPushMatrix();
    float b = 0.0f;
    for (int i = 0; i < kHelixCubes; ++i) {
        // Outside the inner push: the turn accumulates from cube to cube.
        glRotatef(31.4f, 0.0f, 0.0f, 1.0f);
        glPushMatrix();
        glTranslatef(7.0f, 0.0f, b);
        g_objCube.draw();
        glPopMatrix();
        b = b + 5.0f;
    }
    glPopMatrix();
}

} // namespace

void sceneBarrels()
{
    const float L = g_barrelClock;
    const int w = g_window->width;
    const int h = g_window->height;

    glClearColor(g_fogColor[0], g_fogColor[1], g_fogColor[2], g_fogColor[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    // Left set in the context afterwards; only this scene enables fog.
    glFogi(GL_FOG_MODE, g_fogMode);
    glFogfv(GL_FOG_COLOR, g_fogColor);
    glFogf(GL_FOG_DENSITY, 0.35f);
    glHint(GL_FOG_HINT, GL_NICEST);
    glFogf(GL_FOG_START, -20.0f);
    glFogf(GL_FOG_END, 150.0f);
    glEnable(GL_FOG);

    glLoadIdentity();
    CVector eye;
    CVector centre;
    barrelCamera(L, eye, centre);
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, 0.0, 1.0, 0.0);

    drawHelix();
    glDisable(GL_FOG);

    // Modulated by this translucent white: the overlay has lighting off.
    glColor4f(1.0f, 1.0f, 1.0f, barrelOverlayAlpha(L));
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    beginOverlay(w, h);
    drawImageQuad(0, 0, w, h, g_texTunnelOverlay);
    endOverlay();
    glDisable(GL_BLEND);

    if (static_cast<double>(L) > 9.2) {
        beginOverlay(w, h);
        drawBlendedImageQuad(0, 0, w, h, g_texKlosserOverlay);
        endOverlay();
    }

    // Drawn before the increase: the first fading frame uses alpha 0.
    if (static_cast<double>(L) > 15.2) {
        drawTintQuad(1.0f, 1.0f, 1.0f, g_barrelFadeAlpha);
        g_barrelFadeAlpha += g_frameDelta * 0.32f;
    }

    g_barrelClock += g_frameDelta;
}
