// The GL side: the context, the virtual 800 x 600 framebuffer, presenting
// frames (swap hook, letterbox, GL state kept) and the virtual clock.
#include <cmath>

#include <gtest/gtest.h>

#include "platform/layer.h"
#include "test_window.h"

#include <GL/glext.h>

namespace {
struct SFrame {
    std::vector<unsigned char> rgba;
    int width = 0;
    int height = 0;
    int swaps = 0;

    const unsigned char *at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

class Presenting : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(window.hwnd, nullptr);
        ASSERT_TRUE(window.makeContext());
        hostSetSwapHook([this](const unsigned char *rgba, int width, int height) {
            frame.rgba.assign(rgba, rgba + static_cast<size_t>(width) * height * 4);
            frame.width = width;
            frame.height = height;
            ++frame.swaps;
        });
    }
    void TearDown() override { hostSetSwapHook(nullptr); }

    CTestWindow window;
    SFrame frame;
};

void expectColor(const unsigned char *pixel, int r, int g, int b)
{
    EXPECT_NEAR(pixel[0], r, 1);
    EXPECT_NEAR(pixel[1], g, 1);
    EXPECT_NEAR(pixel[2], b, 1);
}

TEST(Context, FailsWithoutAWindowOrWithoutOpenGlInTheFormat)
{
    CTestWindow window;
    HDC dc = GetDC(window.hwnd);
    PIXELFORMATDESCRIPTOR descriptor = {};
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_DOUBLEBUFFER;
    EXPECT_EQ(ChoosePixelFormat(dc, &descriptor), 0);
    descriptor.dwFlags |= PFD_SUPPORT_OPENGL;
    EXPECT_EQ(ChoosePixelFormat(dc, &descriptor), 1);
    EXPECT_EQ(wglCreateContext(dc), nullptr);  // no pixel format yet
    DestroyWindow(window.hwnd);
    EXPECT_FALSE(SetPixelFormat(dc, 1, &descriptor));
}

TEST_F(Presenting, HookGetsTheFrameTheDemoDrewBottomRowFirst)
{
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 100, 50);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    ASSERT_TRUE(SwapBuffers(window.hdc));

    ASSERT_EQ(frame.swaps, 1);
    ASSERT_EQ(frame.width, 800);
    ASSERT_EQ(frame.height, 600);
    expectColor(frame.at(10, 10), 255, 0, 0);
    expectColor(frame.at(99, 49), 255, 0, 0);
    expectColor(frame.at(10, 590), 51, 102, 153);
    expectColor(frame.at(799, 599), 51, 102, 153);
    expectColor(frame.at(100, 10), 51, 102, 153);
}

TEST_F(Presenting, SwapLeavesTheDemosStateAndErrorsAlone)
{
    glViewport(10, 20, 300, 200);
    glClearColor(0.1f, 0.2f, 0.3f, 0.4f);
    glEnable(GL_SCISSOR_TEST);
    glScissor(5, 6, 70, 80);
    glColorMask(GL_TRUE, GL_FALSE, GL_TRUE, GL_FALSE);
    glPixelStorei(GL_PACK_ALIGNMENT, 8);
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    ASSERT_TRUE(SwapBuffers(window.hdc));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 10);
    EXPECT_EQ(viewport[1], 20);
    EXPECT_EQ(viewport[2], 300);
    EXPECT_EQ(viewport[3], 200);
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_FLOAT_EQ(clear[0], 0.1f);
    EXPECT_FLOAT_EQ(clear[3], 0.4f);
    EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
    GLint box[4];
    glGetIntegerv(GL_SCISSOR_BOX, box);
    EXPECT_EQ(box[0], 5);
    EXPECT_EQ(box[3], 80);
    GLboolean mask[4];
    glGetBooleanv(GL_COLOR_WRITEMASK, mask);
    EXPECT_TRUE(mask[0]);
    EXPECT_FALSE(mask[1]);
    EXPECT_FALSE(mask[3]);
    GLint alignment = 0;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8);
    GLint drawBinding = 0;
    GLint readBinding = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawBinding);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readBinding);
    EXPECT_NE(drawBinding, 0);
    EXPECT_EQ(readBinding, drawBinding);
}

TEST_F(Presenting, ReadsAndTextureCopiesComeFromTheVirtualScreen)
{
    // A second frame after a swap, to show the framebuffer is bound again.
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SwapBuffers(window.hdc);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    unsigned char corner[4] = {};
    glReadPixels(799, 599, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, corner);
    expectColor(corner, 0, 0, 255);

    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 0, 0, 512, 512, 0);
    std::vector<unsigned char> copied(512 * 512 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, copied.data());
    expectColor(&copied[0], 0, 0, 255);
    expectColor(&copied[(511 * 512 + 511) * 4], 0, 0, 255);
    glDeleteTextures(1, &texture);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// A 16:9 screen: the picture keeps 4:3 between black bars, whatever scissor
// and colour mask the demo left set.
TEST_F(Presenting, WideScreenShowsThePictureBetweenBlackBars)
{
    auto genFramebuffers = reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(SDL_GL_GetProcAddress("glGenFramebuffers"));
    auto bindFramebuffer = reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(SDL_GL_GetProcAddress("glBindFramebuffer"));
    auto genRenderbuffers = reinterpret_cast<PFNGLGENRENDERBUFFERSPROC>(SDL_GL_GetProcAddress("glGenRenderbuffers"));
    auto bindRenderbuffer = reinterpret_cast<PFNGLBINDRENDERBUFFERPROC>(SDL_GL_GetProcAddress("glBindRenderbuffer"));
    auto storage = reinterpret_cast<PFNGLRENDERBUFFERSTORAGEPROC>(SDL_GL_GetProcAddress("glRenderbufferStorage"));
    auto attach = reinterpret_cast<PFNGLFRAMEBUFFERRENDERBUFFERPROC>(SDL_GL_GetProcAddress("glFramebufferRenderbuffer"));
    GLuint screen = 0;
    GLuint color = 0;
    genRenderbuffers(1, &color);
    bindRenderbuffer(GL_RENDERBUFFER, color);
    storage(GL_RENDERBUFFER, GL_RGBA8, 1280, 720);
    GLint virtualScreen = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &virtualScreen);
    genFramebuffers(1, &screen);
    bindFramebuffer(GL_FRAMEBUFFER, screen);
    attach(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, color);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);  // so the bars must really be drawn
    bindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(virtualScreen));

    glClearColor(1.0f, 0.5f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 10, 10);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    layerBlitFramebuffer(screen, 1280, 720);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDisable(GL_SCISSOR_TEST);

    bindFramebuffer(GL_READ_FRAMEBUFFER, screen);
    std::vector<unsigned char> shown(1280 * 720 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 1280, 720, GL_RGBA, GL_UNSIGNED_BYTE, shown.data());
    bindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(virtualScreen));
    auto at = [&shown](int x, int y) { return &shown[(static_cast<size_t>(y) * 1280 + x) * 4]; };
    const int columns[] = {0, 159, 160, 640, 1119, 1120, 1279};
    const bool inPicture[] = {false, false, true, true, true, false, false};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(columns[i]);
        for (int y : {0, 360, 719}) {
            if (inPicture[i])
                expectColor(at(columns[i], y), 255, 128, 0);
            else
                expectColor(at(columns[i], y), 0, 0, 0);
        }
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Presenting, VirtualClockMovesExactlyOnePeriodPerSwap)
{
    hostSetSwapHook(nullptr);
    const double period = 1.0 / 60.0;
    hostUseVirtualClock(period);
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    EXPECT_EQ(count.QuadPart, 0);
    SwapBuffers(window.hdc);
    QueryPerformanceCounter(&count);
    EXPECT_EQ(count.QuadPart, 16666667);
    // Adding the rounded period each time would be 300 ns ahead by now.
    for (int i = 1; i < 900; ++i)
        SwapBuffers(window.hdc);
    QueryPerformanceCounter(&count);
    EXPECT_EQ(count.QuadPart, 15000000000LL);
    hostUseRealClock();
}

TEST_F(Presenting, ContextOutlivesItsDestroyedWindowUntilDeleted)
{
    EXPECT_TRUE(DestroyWindow(window.hwnd));
    EXPECT_FALSE(SwapBuffers(window.hdc));
    EXPECT_FALSE(wglMakeCurrent(window.hdc, window.hrc));
    EXPECT_TRUE(wglMakeCurrent(window.hdc, nullptr));
    EXPECT_TRUE(wglDeleteContext(window.hrc));
    EXPECT_FALSE(wglDeleteContext(window.hrc));
}
}  // namespace
