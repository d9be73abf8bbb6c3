// The demo window: class, full-screen mode, pixel format, context, fixed GL state.
#include "window/glwindow.h"

namespace {
const char *const kClassName = "openglclass";
const char *const kTitle = "2468 fjolbar";

const PIXELFORMATDESCRIPTOR kPixelFormat = {
    40,  // nSize
    1,   // nVersion
    PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER,
    PFD_TYPE_RGBA,
    16,                    // cColorBits
    0, 0, 0, 0, 0, 0,      // red, green, blue bits and shifts
    0, 0,                  // alpha
    0, 0, 0, 0, 0,         // accumulation
    16,                    // cDepthBits
    0,                     // cStencilBits
    0,                     // cAuxBuffers
    PFD_MAIN_PLANE,
    0,                     // bReserved
    0, 0, 0                // layer, visible and damage masks
};

// The context half of initWindow; its failures name "initGL()".
bool initGL(CGLWindow &window)
{
    window.hDC = GetDC(window.hWnd);
    int format = ChoosePixelFormat(window.hDC, &kPixelFormat);
    if (format == 0) {
        MessageBoxA(window.hWnd, "Unable to find a suitable pixelformat", "initGL()", MB_OK);
        return false;
    }
    if (!SetPixelFormat(window.hDC, format, &kPixelFormat)) {
        MessageBoxA(window.hWnd, "Unable to set pixel format", "initGL()", MB_OK);
        return false;
    }
    window.hRC = wglCreateContext(window.hDC);
    if (!window.hRC) {
        MessageBoxA(window.hWnd, "Unable to create HRC", "initGL()", MB_OK);
        return false;
    }
    if (!wglMakeCurrent(window.hDC, window.hRC)) {
        MessageBoxA(window.hWnd, "Unable to select HRC", "initGL()", MB_OK);
        return false;
    }
    return true;
}
}  // namespace

CGLWindow *g_window = nullptr;

CGLWindow::CGLWindow() : hWnd(nullptr), windowClass(), hRC(nullptr), hDC(nullptr), width(0), height(0)
{
}

bool CGLWindow::initWindow(int w, int h, bool fullscreen, HINSTANCE instance)
{
    width = w;
    height = h;

    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = nullptr;
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = kClassName;
    windowClass.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
    if (!RegisterClassExA(&windowClass))
        return false;

    DWORD style;
    if (fullscreen) {
        DEVMODEA mode = {};
        mode.dmSize = sizeof(mode);
        if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) {
            MessageBoxA(nullptr, "Unable to get displaysettings", "Error", MB_OK);
            return false;
        }
        mode.dmPelsWidth = width;
        mode.dmPelsHeight = height;
        mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
        if (ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL) {
            MessageBoxA(nullptr, "Unable to switch to fullscreen", "CGLWindow::initWindow", MB_OK);
            return false;
        }
        ShowCursor(FALSE);
        style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    } else {
        style = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VISIBLE;
    }

    RECT rect = {0, 0, width, height};
    AdjustWindowRect(&rect, style, FALSE);
    hWnd = CreateWindowExA(0, kClassName, kTitle, style, 0, 0, rect.right - rect.left,
                           rect.bottom - rect.top, nullptr, nullptr, instance, nullptr);
    if (!hWnd)
        return false;

    if (!initGL(*this))
        return false;

    ShowWindow(hWnd, SW_SHOWNORMAL);
    UpdateWindow(hWnd);
    SetForegroundWindow(hWnd);
    SetFocus(hWnd);
    resize(width, height);
    return true;
}

bool CGLWindow::setupGL()
{
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_NORMALIZE);
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    return true;
}

void CGLWindow::resize(int w, int h)
{
    if (w == 0)
        w = 1;
    if (h == 0)
        h = 1;
    width = w;
    height = h;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Replaced after the first frame; only the near plane is ours to pick.
    gluPerspective(45.0, static_cast<double>(width) / static_cast<double>(height), 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void CGLWindow::killWindow()
{
    wglMakeCurrent(hDC, nullptr);
    wglDeleteContext(hRC);
    DestroyWindow(hWnd);
    UnregisterClassA(kClassName, GetModuleHandleA(nullptr));
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        if (g_window)
            g_window->resize(LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_KEYDOWN:
    case WM_CLOSE:
        if (wParam == VK_ESCAPE)
            PostQuitMessage(0);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
