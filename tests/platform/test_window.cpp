#include "test_window.h"

const char *const kTestClass = "layertestclass";

namespace {
std::vector<SRecordedMessage> g_received;

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_received.push_back({window, message, wParam, lParam});
    return DefWindowProcA(window, message, wParam, lParam);
}

const PIXELFORMATDESCRIPTOR kFormat = {
    40, 1, PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER, PFD_TYPE_RGBA, 16,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 0, 0, PFD_MAIN_PLANE, 0, 0, 0, 0};
}  // namespace

CTestWindow::CTestWindow(bool fullscreen)
{
    hostUseOffscreenVideo(true);
    g_received.clear();
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = recordingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTestClass;
    RegisterClassExA(&windowClass);
    DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    if (fullscreen) {
        DEVMODEA mode = {};
        mode.dmSize = sizeof(mode);
        if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode))
            return;
        mode.dmPelsWidth = 800;
        mode.dmPelsHeight = 600;
        mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
        if (ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL)
            return;
        style = WS_POPUP;
    }
    hwnd = CreateWindowExA(0, kTestClass, "layer test", style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0,
                           0, 800, 600, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

CTestWindow::~CTestWindow()
{
    hostReset();
}

bool CTestWindow::makeContext()
{
    hdc = GetDC(hwnd);
    int format = ChoosePixelFormat(hdc, &kFormat);
    if (!format || !SetPixelFormat(hdc, format, &kFormat))
        return false;
    hrc = wglCreateContext(hdc);
    return hrc && wglMakeCurrent(hdc, hrc);
}

std::vector<SRecordedMessage> CTestWindow::takeMessages()
{
    std::vector<SRecordedMessage> taken;
    taken.swap(g_received);
    return taken;
}
