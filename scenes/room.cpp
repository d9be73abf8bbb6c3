// The last scene: a deformed translucent sphere in a spinning room, then the
// glow pass (sphere rendered into a corner, copied to a texture, laid over
// the room several times) under waypoint cameras, and the fade to black.
#include "app/assets.h"
#include "app/demo.h"
#include "draw/overlay.h"
#include "image/texture.h"
#include "scenes/deform.h"
#include "scenes/scenes.h"
#include "scenes/timing.h"
#include "window/glwindow.h"

float g_roomClock = 0.0f;
float g_roomFadeAlpha = 0.0f;

namespace {

// Additive, every face, no depth: lit colour and material alpha 1 decide
// what is added, not the current colour. Leaves culling on for good, drawn
// or not, so the state after the scene does not depend on the sphere.
void drawSphereAdditive(bool drawIt)
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    if (drawIt)
        g_objHisphereMorph.draw();
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
}

// False when the sphere objects cannot be deformed; the sphere is then not
// drawn but the rest of the picture is.
bool deformMorph(float phi)
{
    if (!sphereMorphReady(g_objHisphere, g_objHisphereMorph))
        return false;
    deformSphere(*g_objHisphere.meshes[0], *g_objHisphereMorph.meshes[0], phi);
    return true;
}

void openingBranch()
{
    const float t = g_time;

    glLoadIdentity();
    gluLookAt(0.0, -50.0, -99.0, 0.0, -39.0, 0.0, 0.0, 1.0, 0.0);

    const bool sphere = deformMorph(t);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);

    // The barrels sit in the spinning room's frame.
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(30.0f * t, 0.0f, 0.0f, 1.0f);
    g_objRom.draw();
    glTranslatef(-13.0f, 0.0f, 80.0f);
    g_objTonne.draw();
    glTranslatef(26.0f, 0.0f, 0.0f);
    glRotatef(78.0f, 0.0f, 0.0f, 1.0f);
    g_objTonne.draw();
    glPopMatrix();

    glPushMatrix();
    glTranslatef(0.0f, -39.0f, 0.0f);
    glRotatef(20.0f * t, 0.0f, 1.0f, 0.0f);
    glRotatef(15.0f * t, 1.0f, 0.0f, 0.0f);
    drawSphereAdditive(sphere);
    glPopMatrix();
}

void glowComposite(float s, int w, int h)
{
    int offsets[kMaxGlowCopies];
    const int copies = glowCopyOffsets(s, offsets);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glColor4f(1.0f, 1.0f, 1.0f, 0.16f);
    glDisable(GL_DEPTH_TEST);
    beginOverlay(w, h);
    // Each copy keeps the top-right corner and grows toward the lower left.
    for (int i = 0; i < copies; ++i) {
        const int k = offsets[i];
        drawImageQuad(-k, -k, w + k, h + k, g_texGlow);
    }
    endOverlay();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

void glowBranch(float s, float R)
{
    const float t = g_time;
    const int w = g_window->width;
    const int h = g_window->height;

    glViewport(0, 0, kGlowTextureSize, kGlowTextureSize);
    glLoadIdentity();

    // No row at a window bound: the view stays the identity.
    CVector eye;
    if (roomWaypointEye(t, R, eye))
        gluLookAt(eye.x, eye.y, eye.z, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);

    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    const bool sphere = deformMorph(3.0f * t);

    glPushMatrix();
    glTranslatef(0.0f, -10.0f, 0.0f);
    glRotatef(70.0f * t, 0.0f, 1.0f, 0.0f);
    glRotatef(55.0f * t, 1.0f, 0.0f, 0.0f);
    drawSphereAdditive(sphere);
    glPopMatrix();

    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);

    // The corner of the back buffer becomes the glow; then the visible frame
    // is drawn over a fresh clear.
    bindTexture(g_texGlow);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, 0, kGlowTextureSize, kGlowTextureSize, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, w, h);

    glPushMatrix();
    glTranslatef(0.0f, 5.0f, -36.0f);
    glRotatef(90.0f, 1.0f, 0.3f, 0.0f);
    g_objRom.draw();
    glPopMatrix();

    glowComposite(s, w, h);

    beginOverlay(w, h);
    drawBlendedImageQuad(0, 0, w, h, g_texTonnerOverlay);
    endOverlay();
}

} // namespace

void sceneRoom()
{
    const float R = g_roomClock;
    const float s = roomGlowSpread(g_time);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(70.0, 1.0, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);

    // A float never equals the double 15.4: exactly one branch runs.
    if (static_cast<double>(R) > 15.4)
        glowBranch(s, R);
    else if (static_cast<double>(R) < 15.4)
        openingBranch();

    // Half-extents 1 x 1: this projection spans +-0.70 at depth 1.
    if (static_cast<double>(g_time) > 145.0) {
        drawTintQuad(0.0f, 0.0f, 0.0f, g_roomFadeAlpha, 1.0f, 1.0f);
        g_roomFadeAlpha += g_frameDelta * 0.25f;
    }

    g_roomClock += g_frameDelta;
}
