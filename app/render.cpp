// One frame: clock, clear, the scene of the timeline, projection, flash, swap.
#include "app/demo.h"
#include "platform/platform.h"
#include "scenes/scenes.h"
#include "timer/timer.h"
#include "window/glwindow.h"

float g_time = 0.0f;
float g_frameDelta = 0.0f;

void sceneEnd()
{
    g_done = true;
}

int timelineSlot(float time)
{
    // Open slots: a time exactly on a bound draws no scene. The bounds are
    // doubles but for the first, a float 0.
    const double t = time;
    if (t > 0.0f && t < 24.0)
        return 1;
    if (t > 24.0 && t < 39.3)
        return 2;
    if (t > 39.3 && t < 69.8)
        return 3;
    if (t > 69.8 && t < 89.2)
        return 4;
    if (t > 89.2 && t < 103.8)
        return 5;
    if (t > 103.8 && t < 149.8)
        return 6;
    if (t > 149.8)
        return 7;
    return 0;
}

void renderFrame()
{
    g_frameDelta = static_cast<float>(g_timer.elapsed() - g_time);
    g_time = static_cast<float>(g_timer.elapsed());

    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    switch (timelineSlot(g_time)) {
    case 1: sceneIntro(); break;
    case 2: sceneSpheres(); break;
    case 3: sceneTunnel(); break;
    case 4: sceneBarrels(); break;
    case 5: sceneGreetings(); break;
    case 6: sceneRoom(); break;
    case 7: sceneEnd(); break;
    }

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.0, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);

    g_timer.drawFlash();
    SwapBuffers(g_window->hDC);
}
