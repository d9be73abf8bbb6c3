// The flash list reader, the flash strength and the clock's float start time.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "support/gl_context.h"
#include "platform/host.h"
#include "timer/timer.h"

namespace {
struct SPointsCase {
    const char *text;
    std::vector<float> points;
};

// A timer whose list holds `points` and whose clock reads `t` (the virtual
// clock stands at 0 until the first swap, so elapsed() is -startTime).
void setUp(CTimer &timer, std::vector<float> points, float t)
{
    timer.flashPoints = std::move(points);
    timer.flashCount = static_cast<int>(timer.flashPoints.size());
    timer.startTime = -t;
}

float currentAlpha()
{
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    return colour[3];
}
}  // namespace

TEST(FlashPoints, ReadsNumbersUpToTheFirstNonNumber)
{
    const SPointsCase cases[] = {
        {"1.5 2.5", {1.5f, 2.5f}},
        {"1.5\n2.5\n", {1.5f, 2.5f}},
        {"  1.5\t\t-2.5e1\r\n+3", {1.5f, -25.0f, 3.0f}},
        {"1.5 word 2.5", {1.5f}},
        {"", {}},
        {"\n\n", {}},
        {"7 7", {7.0f, 7.0f}},
        {".5 1e400 2", {0.5f}},  // out of range for a float ends the list
    };
    for (const SPointsCase &c : cases) {
        CTimer timer;
        timer.flashPoints.clear();
        std::istringstream in(c.text);
        EXPECT_TRUE(timer.readPoints(in));
        EXPECT_EQ(timer.flashPoints, c.points) << "text '" << c.text << "'";
        EXPECT_EQ(timer.flashCount, static_cast<int>(c.points.size()));
    }
}

TEST(FlashOverlay, StrengthByDistance)
{
    hostUseVirtualClock(1.0 / 60.0);
    CTestGLContext gl;
    ASSERT_TRUE(gl.ok());
    struct SCase {
        std::vector<float> points;
        float t;
        float alpha;
    };
    const SCase cases[] = {
        {{}, 10.0f, 0.0f},
        {{10.0f}, 10.0f, 1.0f},      // within a hundredth: full, not 1 / 0
        {{10.0f}, 10.005f, 1.0f},
        {{10.0f}, 10.015f, 1.0f},
        {{10.0f}, 9.985f, 1.0f},     // symmetric
        {{10.0f}, 10.025f, 0.5f},
        {{10.0f}, 10.105f, 0.1f},
        {{10.0f}, 11.005f, 0.01f},
        {{10.0f, 10.0f}, 10.025f, 1.0f},  // a time listed twice doubles its flash
        {{10.0f, 20.0f}, 10.025f, 0.5f + 1.0f / 997.0f},
        {{1e30f}, 10.0f, 0.0f},      // far off: no overflow, no flash
    };
    for (const SCase &c : cases) {
        CTimer timer;
        setUp(timer, c.points, c.t);
        timer.drawFlash();
        EXPECT_NEAR(currentAlpha(), c.alpha, 1e-6) << "t " << c.t;
    }
}

TEST(FlashOverlay, CloseToAFlashTimeTheFrameIsWhite)
{
    hostUseVirtualClock(1.0 / 60.0);
    CTestGLContext gl;
    ASSERT_TRUE(gl.ok());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.0, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (float t : {10.0f, 10.019f, 9.981f}) {
        glClearColor(0.0f, 0.0f, 0.3f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        CTimer timer;
        setUp(timer, {10.0f}, t);
        timer.drawFlash();
        for (auto [x, y] : {std::pair{0, 0}, {400, 300}, {799, 599}}) {
            unsigned char p[4];
            gl.pixel(x, y, p);
            EXPECT_EQ(p[0], 255);
            EXPECT_EQ(p[1], 255);
            EXPECT_EQ(p[2], 255);
        }
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(Clock, StartTimeIsHeldAsAFloat)
{
    hostUseRealClock();
    CTimer timer;
    EXPECT_EQ(timer.frequency, 1000000000);
    // Before start the clock reads absolute time.
    double before = timer.now();
    double elapsed = timer.elapsed();
    EXPECT_GE(elapsed, before);
    EXPECT_LT(elapsed - before, 1.0);

    timer.start();
    const double absolute = static_cast<double>(timer.counter) * static_cast<double>(timer.secondsPerTick);
    EXPECT_EQ(timer.startTime, static_cast<float>(absolute));
    // Time zero is off by at most half a float step at the counter's value.
    const double halfStep = 0.5 * (std::nextafter(timer.startTime, 1e30f) - timer.startTime);
    EXPECT_LE(std::fabs(timer.elapsed()), halfStep + 0.01);
}
