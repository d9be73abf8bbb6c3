// The loading picture, presented once while the start-up code loads the rest.
#include "draw/overlay.h"
#include "image/texture.h"
#include "scenes/scenes.h"
#include "window/glwindow.h"

GLuint g_texLoading = 0;

void drawLoadingScreen()
{
    g_texLoading = loadJpegTexture("data/backgrounds/loading.jpg");
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    beginOverlay(g_window->width, g_window->height);
    drawImageQuad(0, 0, g_window->width, g_window->height, g_texLoading);
    endOverlay();
    SwapBuffers(g_window->hDC);
}
