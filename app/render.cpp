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

void renderFrame()
{
    g_frameDelta = static_cast<float>(g_timer.elapsed() - g_time);
    g_time = static_cast<float>(g_timer.elapsed());

    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    // Open slots: a time exactly on a bound draws no scene.
    const double t = g_time;
    if (t > 0.0f && t < 24.0)
        sceneIntro();
    else if (t > 24.0 && t < 39.3)
        sceneSpheres();
    else if (t > 39.3 && t < 69.8)
        sceneTunnel();
    else if (t > 69.8 && t < 89.2)
        sceneBarrels();
    else if (t > 89.2 && t < 103.8)
        sceneGreetings();
    else if (t > 103.8 && t < 149.8)
        sceneRoom();
    else if (t > 149.8)
        sceneEnd();

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.0, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);

    g_timer.drawFlash();
    SwapBuffers(g_window->hDC);
}
