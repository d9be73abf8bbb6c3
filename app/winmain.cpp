// Entry point: the static objects in their construction order, start-up, the
// message loop and teardown.
#include "app/assets.h"
#include "app/demo.h"
#include "music/fmod.h"
#include "platform/platform.h"
#include "scenes/scenes.h"
#include "timer/timer.h"
#include "window/glwindow.h"

// Constructed in this order within this one file: the timer reads the flash
// list first, then the music, then the empty object containers.
CTimer g_timer;
CFmod g_music;
COLVBrush g_objSpikie;
COLVBrush g_objGsphere;
COLVBrush g_objHisphere;
COLVBrush g_objHisphereMorph;
COLVBrush g_objTonne;
COLVBrush g_objRom;
COLVBrush g_objTunnel;
COLVBrush g_objCube;
COLVBrush g_objBildegrid;

bool g_done = false;

namespace {
void setupLightAndMaterial()
{
    const GLfloat lightAmbient[] = {0.9f, 0.9f, 0.9f, 1.0f};
    const GLfloat lightDiffuse[] = {0.9f, 0.9f, 0.9f, 1.0f};
    const GLfloat lightPosition[] = {2.0f, 1.0f, 2.0f, 1.0f};
    const GLfloat materialAmbient[] = {0.7f, 0.7f, 0.7f, 1.0f};
    const GLfloat materialDiffuse[] = {0.8f, 0.8f, 0.8f, 1.0f};
    const GLfloat materialShininess[] = {25.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, lightAmbient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, lightDiffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, lightPosition);
    glEnable(GL_LIGHT1);
    glMaterialfv(GL_FRONT, GL_AMBIENT, materialAmbient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, materialDiffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SHININESS, materialShininess);
}

void destroyWindow()
{
    if (g_window) {
        g_window->killWindow();
        delete g_window;
        g_window = nullptr;
    }
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    g_done = false;
    // windowProc resizes through g_window while initWindow is still running.
    g_window = new CGLWindow();
    if (!g_window->initWindow(800, 600, true, instance)) {
        // Already reported in a message box; 150 s of music with no picture helps nobody.
        destroyWindow();
        return 1;
    }
    g_window->setupGL();
    setupLightAndMaterial();
    drawLoadingScreen();
    g_music.init("data/music/velmora.mp3");
    loadAssets();
    g_music.play();
    g_timer.start();

    int exitCode = 0;
    MSG msg;
    while (!g_done) {
        bool got = PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE;
        if (got && msg.message == WM_QUIT) {
            g_done = true;
            exitCode = static_cast<int>(msg.wParam);
            break;
        }
        renderFrame();
        if (got) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    destroyWindow();
    return exitCode;
}
