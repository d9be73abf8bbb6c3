// Windows, classes and the message queue, driven over the offscreen driver.
#include <csignal>

#include <gtest/gtest.h>

#include "platform/layer.h"
#include "test_window.h"

namespace {
std::vector<MSG> drain()
{
    std::vector<MSG> taken;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        taken.push_back(msg);
    return taken;
}

void pushKey(SDL_Keycode key)
{
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

void pushWindowEvent(Uint8 kind, int data1 = 0, int data2 = 0)
{
    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(layerWindow().sdl);
    event.window.event = kind;
    event.window.data1 = data1;
    event.window.data2 = data2;
    SDL_PushEvent(&event);
}

TEST(Messages, EmptyQueueGivesNothing)
{
    hostReset();
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST(Messages, CreatingAndShowingSendSizeSynchronously)
{
    CTestWindow window;
    ASSERT_NE(window.hwnd, nullptr);
    std::vector<SRecordedMessage> created = window.takeMessages();
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].window, window.hwnd);
    EXPECT_EQ(created[0].message, static_cast<UINT>(WM_SIZE));
    EXPECT_EQ(LOWORD(created[0].lParam), 800);
    EXPECT_EQ(HIWORD(created[0].lParam), 600);

    ShowWindow(window.hwnd, SW_SHOWNORMAL);
    std::vector<SRecordedMessage> shown = window.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].message, static_cast<UINT>(WM_SIZE));
    EXPECT_EQ(shown[0].lParam, MAKELPARAM(800, 600));
}

TEST(Messages, KeysComeOutInOrderAndQuitOnlyOnceTheQueueIsEmpty)
{
    CTestWindow window;
    drain();
    PostQuitMessage(7);
    pushKey(SDLK_ESCAPE);
    pushKey(SDLK_a);
    pushKey(SDLK_F1);

    std::vector<MSG> taken = drain();
    ASSERT_EQ(taken.size(), 4u);
    const WPARAM expectedKeys[] = {27, 'A'};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(taken[i].message, static_cast<UINT>(WM_KEYDOWN));
        EXPECT_EQ(taken[i].wParam, expectedKeys[i]);
        EXPECT_EQ(taken[i].hwnd, window.hwnd);
    }
    EXPECT_EQ(taken[2].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_NE(taken[2].wParam, static_cast<WPARAM>(VK_ESCAPE));
    EXPECT_EQ(taken[3].message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(taken[3].wParam, 7u);
}

TEST(Messages, DispatchHandsTheMessageToTheClassProcedure)
{
    CTestWindow window;
    drain();
    window.takeMessages();
    pushKey(SDLK_ESCAPE);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    std::vector<SRecordedMessage> got = window.takeMessages();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(got[0].wParam, static_cast<WPARAM>(VK_ESCAPE));
}

TEST(Messages, DestroySendsDestroyInsideTheCallAndOnlyOnce)
{
    CTestWindow window;
    window.takeMessages();
    EXPECT_TRUE(DestroyWindow(window.hwnd));
    std::vector<SRecordedMessage> got = window.takeMessages();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, static_cast<UINT>(WM_DESTROY));
    EXPECT_EQ(got[0].window, window.hwnd);

    EXPECT_FALSE(DestroyWindow(window.hwnd));
    EXPECT_TRUE(window.takeMessages().empty());
    EXPECT_EQ(GetDC(window.hwnd), nullptr);
}

// The window manager's close, SIGINT and SIGTERM all reach SDL as its quit
// event; each must close the window the way the close button does.
TEST(Messages, QuitEventAndSignalsBecomeCloseWhichDestroysTheWindow)
{
    const int signals[] = {0, SIGINT, SIGTERM};
    for (int signal : signals) {
        SCOPED_TRACE(signal);
        CTestWindow window;
        drain();
        window.takeMessages();
        if (signal == 0) {
            SDL_Event quit = {};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        } else {
            std::raise(signal);
        }
        MSG msg;
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(msg.message, static_cast<UINT>(WM_CLOSE));
        EXPECT_EQ(msg.wParam, 0u);
        DispatchMessageA(&msg);
        std::vector<SRecordedMessage> got = window.takeMessages();
        ASSERT_EQ(got.size(), 2u);
        EXPECT_EQ(got[0].message, static_cast<UINT>(WM_CLOSE));
        EXPECT_EQ(got[1].message, static_cast<UINT>(WM_DESTROY));
        EXPECT_FALSE(DestroyWindow(window.hwnd));
    }
}

TEST(Messages, WindowCloseEventBecomesClose)
{
    CTestWindow window;
    drain();
    pushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    std::vector<MSG> taken = drain();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].message, static_cast<UINT>(WM_CLOSE));
}

TEST(Messages, VirtualModeKeepsItsSizeWhenTheWindowIsResized)
{
    CTestWindow window;
    drain();
    pushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 1280, 720);
    EXPECT_TRUE(drain().empty());
}

TEST(Messages, WindowedResizeAndMinimiseReportTheNewClientSize)
{
    CTestWindow window(false);
    ASSERT_NE(window.hwnd, nullptr);
    drain();
    pushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 640, 480);
    pushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
    pushWindowEvent(SDL_WINDOWEVENT_RESTORED);
    std::vector<MSG> taken = drain();
    const LPARAM expected[] = {MAKELPARAM(640, 480), MAKELPARAM(0, 0), MAKELPARAM(640, 480)};
    ASSERT_EQ(taken.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(taken[i].message, static_cast<UINT>(WM_SIZE));
        EXPECT_EQ(taken[i].lParam, expected[i]);
    }
}

TEST(Windows, ClassesAreFoundByNameAndRegisteredOnce)
{
    CTestWindow window;
    WNDCLASSEXA again = {};
    again.cbSize = sizeof(again);
    again.lpfnWndProc = DefWindowProcA;
    std::string sameName = kTestClass;  // a different pointer to the same name
    again.lpszClassName = sameName.c_str();
    EXPECT_EQ(RegisterClassExA(&again), 0);

    EXPECT_EQ(CreateWindowExA(0, "nosuchclass", "x", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    EXPECT_FALSE(UnregisterClassA(kTestClass, nullptr));  // its window still exists
    DestroyWindow(window.hwnd);
    EXPECT_TRUE(UnregisterClassA(kTestClass, nullptr));
    EXPECT_EQ(CreateWindowExA(0, kTestClass, "x", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
}

TEST(Windows, EachWindowGetsANewHandle)
{
    HWND first;
    {
        CTestWindow window;
        first = window.hwnd;
        ASSERT_NE(first, nullptr);
    }
    CTestWindow window;
    ASSERT_NE(window.hwnd, nullptr);
    EXPECT_NE(window.hwnd, first);
    EXPECT_FALSE(DestroyWindow(first));
}

TEST(Display, DesktopModeIsReportedAndTheFullScreenModeIsVirtual)
{
    hostReset();
    hostUseOffscreenVideo(true);
    DEVMODEA mode = {};
    mode.dmSize = sizeof(mode);
    ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode));
    EXPECT_GT(mode.dmPelsWidth, 0u);
    EXPECT_GT(mode.dmPelsHeight, 0u);
    EXPECT_TRUE(mode.dmBitsPerPel == 16 || mode.dmBitsPerPel == 32);
    mode.dmPelsWidth = 800;
    mode.dmPelsHeight = 600;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    EXPECT_EQ(ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(layerDisplay().width, 800);
    EXPECT_EQ(layerDisplay().height, 600);
    hostReset();
}

TEST(Display, FallbackDriverIsNoDisplayUnlessTheHostAskedForIt)
{
    hostReset();
    hostUseOffscreenVideo(false);
    const char *display = getenv("DISPLAY");
    std::string saved = display ? display : "";
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    // SDL then falls back to its offscreen driver by itself.
    DEVMODEA mode = {};
    testing::internal::CaptureStderr();
    EXPECT_FALSE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("no display"), std::string::npos) << said;
    if (!saved.empty())
        setenv("DISPLAY", saved.c_str(), 1);
    hostUseOffscreenVideo(true);
    EXPECT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode));
}
}  // namespace
