// The third scene: the tunnel spinning about its axis while its texture
// scrolls; the aim swings from side to side near the end.
#include "app/assets.h"
#include "app/demo.h"
#include "scenes/scenes.h"
#include "scenes/timing.h"

void sceneTunnel()
{
    const float t = g_time;
    const float delta = g_frameDelta;
    // Seeded from the demo time on the first call, so the first frame is
    // already turned by 50 times that time.
    static float tunnelSpinTime = g_time;

    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);

    glLoadIdentity();
    glPushMatrix();
    // Applied before the camera, so it stretches depth in view space.
    glScalef(1.0f, 1.0f, 2.5f);
    gluLookAt(0.0, 0.0, 0.5, tunnelAimX(t), 0.0, 2.0, 0.0, 1.0, 0.0);

    // The scroll accumulates in the mesh and is never undone.
    if (g_objTunnel.meshCount > 0 && !g_objTunnel.meshes.empty()) {
        CMesh *mesh = g_objTunnel.meshes[0];
        for (int k = 0; k < mesh->texCoordCount; ++k)
            tunnelScroll(t, delta, mesh->texCoords[2 * k], mesh->texCoords[2 * k + 1]);
    }

    glRotatef(50.0f * tunnelSpinTime, 0.0f, 0.0f, 1.0f);
    g_objTunnel.draw();
    glPopMatrix();

    tunnelSpinTime = tunnelSpinTime + delta;
}
