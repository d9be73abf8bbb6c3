// The second scene: two sphere-mapped objects spinning at different rates.
#include "app/assets.h"
#include "app/demo.h"
#include "scenes/scenes.h"

void sceneSpheres()
{
    const float t = g_time;

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(75.0, 1.0, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    // Both objects take their coordinates from the sphere map.
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);

    gluLookAt(0.0, 0.0, -5.5, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);

    glPushMatrix();
    glRotatef(60.0f * t, 0.0f, 1.0f, 0.0f);
    glRotatef(50.0f * t, 1.0f, 1.0f, 0.0f);
    g_objGsphere.drawImmediate();
    glPopMatrix();

    // Close in front of the eye, whatever the camera above.
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -2.0f);
    glRotatef(120.0f * t, 0.0f, 1.0f, 0.0f);
    glRotatef(110.0f * t, 1.0f, 0.0f, 0.0f);
    g_objSpikie.draw();
    glPopMatrix();

    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
}
