// The flash overlay on the offscreen GL context, on a clock that stands still
// at 0 s: the white it lays over the picture and the state it leaves.
#include <gtest/gtest.h>

#include "platform/host.h"
#include "support/gl_context.h"
#include "timer/timer.h"

namespace {
class Flash : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.ok());
        hostUseVirtualClock(1.0 / 60.0);
        timer.start();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 1.0, 1.0, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(0, 0, 0, 1);
    }

    void TearDown() override { hostUseRealClock(); }

    void setPoints(const std::vector<float> &points)
    {
        timer.flashPoints = points;
        timer.flashCount = static_cast<int>(points.size());
    }

    CTestGLContext context;
    CTimer timer;
};

// The strength itself is checked with the timer; here, what reaches the picture.
TEST_F(Flash, StrengthBlendsWhiteOverTheWholeView)
{
    struct SCase {
        const char *name;
        std::vector<float> points;
        float alpha;
        int grey;
    };
    for (const SCase &c : {
             SCase{"no flash times", {}, 0.0f, 0},
             SCase{"0.015 s before", {-0.015f}, 1.0f, 255},
             SCase{"0.025 s", {0.025f}, 0.5f, 128},
             SCase{"0.105 s", {0.105f}, 0.1f, 26},
             SCase{"full plus a half", {0.0f, 0.025f}, 1.5f, 255},
             SCase{"far tails add up", {-1.005f, 1.005f, 0.255f}, 0.06f, 15},
         }) {
        SCOPED_TRACE(c.name);
        setPoints(c.points);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        timer.drawFlash();
        GLfloat colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        // The current colour keeps the sum; only the colour buffer clamps it.
        EXPECT_FLOAT_EQ(colour[3], c.alpha);
        for (int x : {0, 400, 799}) {
            for (int y : {0, 599}) {
                unsigned char rgba[4];
                context.pixel(x, y, rgba);
                EXPECT_NEAR(rgba[0], c.grey, 1) << x << "," << y;
                EXPECT_EQ(rgba[0], rgba[2]);
            }
        }
    }
}

TEST_F(Flash, LeavesTheTintQuadsStateEvenWithoutFlashTimes)
{
    setPoints({});
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    glTranslatef(1, 2, 3);
    GLfloat before[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    timer.drawFlash();
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_T));
    GLint src = 0, dst = 0;
    glGetIntegerv(GL_BLEND_SRC, &src);
    glGetIntegerv(GL_BLEND_DST, &dst);
    EXPECT_EQ(src, GL_SRC_ALPHA);
    EXPECT_EQ(dst, GL_ONE_MINUS_SRC_ALPHA);
    GLfloat colour[4], after[16];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(std::vector<float>(colour, colour + 4), (std::vector<float>{1, 1, 1, 0}));
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    EXPECT_EQ(std::vector<float>(after, after + 16), std::vector<float>(before, before + 16));
}
}  // namespace
