// CGLWindow and windowProc over the real platform layer.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/gl_context.h"
#include "support/message_boxes.h"
#include "platform/host.h"
#include "window/glwindow.h"

namespace {
// Takes every message queued now; the quit message last, as the loop sees it.
std::vector<UINT> drainMessages()
{
    std::vector<UINT> messages;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        messages.push_back(msg.message);
        if (msg.message == WM_QUIT)
            break;
    }
    return messages;
}

void viewport(GLint v[4])
{
    glGetIntegerv(GL_VIEWPORT, v);
}
}  // namespace

TEST(Window, ResizeToZeroKeepsOnePixel)
{
    CTestGLContext gl;
    ASSERT_TRUE(gl.ok());
    CGLWindow window;
    window.resize(0, 0);
    EXPECT_EQ(window.width, 1);
    EXPECT_EQ(window.height, 1);
    GLint v[4];
    viewport(v);
    EXPECT_EQ(v[2], 1);
    EXPECT_EQ(v[3], 1);
    window.resize(800, 600);
    viewport(v);
    EXPECT_EQ(v[2], 800);
    EXPECT_EQ(v[3], 600);
}

TEST(Window, OpensFullScreenAndClosesThroughTheQuitMessage)
{
    hostUseOffscreenVideo(true);
    hostReset();
    CMessageBoxRecorder recorder;
    g_window = new CGLWindow();
    ASSERT_TRUE(g_window->initWindow(800, 600, true, GetModuleHandleA(nullptr)));
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(g_window->width, 800);
    EXPECT_EQ(g_window->height, 600);
    EXPECT_NE(g_window->hRC, nullptr);
    GLint v[4];
    viewport(v);
    EXPECT_EQ(v[2], 800);
    EXPECT_EQ(v[3], 600);
    EXPECT_TRUE(g_window->setupGL());
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S));
    GLint mode = 0;
    glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, &mode);
    EXPECT_EQ(mode, GL_SPHERE_MAP);
    drainMessages();

    // Only Escape of the keys posts the quit message.
    windowProc(g_window->hWnd, WM_KEYDOWN, 'A', 0);
    EXPECT_TRUE(drainMessages().empty());
    windowProc(g_window->hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(drainMessages(), std::vector<UINT>{WM_QUIT});

    // A minimised window's size stores 1 x 1.
    windowProc(g_window->hWnd, WM_SIZE, 0, MAKELPARAM(0, 0));
    EXPECT_EQ(g_window->width, 1);
    EXPECT_EQ(g_window->height, 1);
    windowProc(g_window->hWnd, WM_SIZE, 0, MAKELPARAM(800, 600));

    // Closing destroys the window, and its destruction posts the quit message.
    windowProc(g_window->hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(drainMessages(), std::vector<UINT>{WM_QUIT});
    // killWindow then works on a destroyed window and says nothing.
    g_window->killWindow();
    delete g_window;
    g_window = nullptr;
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST(Window, ClassRegisteredTwiceFailsWithoutAMessage)
{
    hostUseOffscreenVideo(true);
    hostReset();
    CMessageBoxRecorder recorder;
    CGLWindow first, second;
    g_window = &first;
    ASSERT_TRUE(first.initWindow(800, 600, true, nullptr));
    EXPECT_FALSE(second.initWindow(800, 600, true, nullptr));
    EXPECT_TRUE(recorder.boxes.empty());
    first.killWindow();
    g_window = nullptr;
}

TEST(Window, RefusedModeSwitchIsReported)
{
    hostUseOffscreenVideo(true);
    hostReset();
    CMessageBoxRecorder recorder;
    CGLWindow window;
    g_window = &window;
    EXPECT_FALSE(window.initWindow(0, 0, true, nullptr));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "Unable to switch to fullscreen");
    EXPECT_EQ(recorder.boxes[0].caption, "CGLWindow::initWindow");
    g_window = nullptr;
}

// Its own process (see CMakeLists): SDL's video driver is chosen once.
TEST(WindowNoDisplay, DisplaySettingsFailWithTheirMessage)
{
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    hostUseOffscreenVideo(false);
    CMessageBoxRecorder recorder;
    CGLWindow window;
    g_window = &window;
    EXPECT_FALSE(window.initWindow(800, 600, true, nullptr));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "Unable to get displaysettings");
    EXPECT_EQ(recorder.boxes[0].caption, "Error");
    g_window = nullptr;
}
