// The whole timeline on the virtual clock: no GL error in any frame, the GL
// state each scene leaves behind, what the pictures of every phase must show,
// and the run ending by itself.
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/assets.h"
#include "app/demo.h"
#include "frames.h"
#include "scenes/scenes.h"
#include "scenes/timing.h"
#include "support/demo_run.h"
#include "support/message_boxes.h"
#include "timer/timer.h"

namespace {

const SRect kFull = {0, 0, kFrameWidth, kFrameHeight};

// The five credits as drawn, lower-left corners and 160 x 160.
SRect creditRect(int x, int y) { return {x, y, x + 160, y + 160}; }
const SRect kCredits[5] = {creditRect(25, 490), creditRect(420, 440), creditRect(500, 4),
                           creditRect(630, 430), creditRect(30, 7)};

SRect rectOf(const SGreetingRect &g) { return {g.x, g.y, g.x + g.w, g.y + g.h}; }

int differenceThreshold(const SKeptFrame &a, const SKeptFrame &b)
{
    const float dv = a.veil > b.veil ? a.veil - b.veil : b.veil - a.veil;
    return static_cast<int>(255.0f * dv) + 20;
}

float nearestFlashDistance(float t)
{
    float best = 1e9f;
    for (float p : g_timer.flashPoints) {
        const float d = t > p ? t - p : p - t;
        best = d < best ? d : best;
    }
    return best;
}

class CTimelineRun {
public:
    void onSwap(const unsigned char *rgba)
    {
        // The first swap presents the loading screen, before the clock runs.
        if (swaps++ == 0)
            return;
        for (GLenum e = glGetError(); e != GL_NO_ERROR; e = glGetError())
            note("GL error 0x%x", static_cast<unsigned>(e));
        const float t = g_time;
        if (static_cast<double>(t) > 149.8)
            ++framesPastEnd;
        lastTime = t;
        checkStateLeftBehind(t);
        keepProbes(rgba, t);
        if (nearestFlashDistance(t) < 0.015f) {
            ++flashFrames;
            SKeptFrame f;
            f.rgba.assign(rgba, rgba + static_cast<size_t>(kFrameWidth) * kFrameHeight * 4);
            if (whiteShare(f, kFull, 250) < 0.999)
                note("flash frame not white");
        }
    }

    void note(const char *what, unsigned code = 0)
    {
        if (problems.size() < 20) {
            char line[96];
            std::snprintf(line, sizeof line, what, code);
            problems.push_back(std::string(line) + " at " + std::to_string(g_time));
        }
    }

    void checkStateLeftBehind(float t)
    {
        const bool inScene = t > 0.0f && static_cast<double>(t) < 149.8;
        if (!inScene)
            return;
        if (glIsEnabled(GL_TEXTURE_GEN_S) || glIsEnabled(GL_TEXTURE_GEN_T))
            note("texture generation left on");
        if (glIsEnabled(GL_BLEND))
            note("blending left on");
        if (glIsEnabled(GL_FOG))
            note("fog left on");
        if (!glIsEnabled(GL_DEPTH_TEST) || !glIsEnabled(GL_LIGHTING) ||
            !glIsEnabled(GL_TEXTURE_2D))
            note("depth test, lighting or texturing left off");
        const bool inRoom = static_cast<double>(t) > 103.8;
        if (static_cast<bool>(glIsEnabled(GL_CULL_FACE)) != inRoom)
            note("face culling state before or in the finale");
        if (static_cast<double>(t) > 89.2) {
            GLint mode = 0;
            GLfloat end = 0.0f;
            glGetIntegerv(GL_FOG_MODE, &mode);
            glGetFloatv(GL_FOG_END, &end);
            if (mode != GL_LINEAR || end != 150.0f)
                note("fog parameters not kept after the corridor");
        }
        GLfloat colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        if (colour[0] != 1.0f || colour[1] != 1.0f || colour[2] != 1.0f)
            note("current colour not the flash's white");
    }

    void keepProbes(const unsigned char *rgba, float t)
    {
        const double td = t;
        if (td > 0.0 && td < 24.0) {
            if (!firstIntro.kept)
                keepLeastFlashed(firstIntro, rgba, t);
            const float stages[5][2] = {{7.0f, 8.6f}, {8.8f, 12.4f}, {12.6f, 16.2f},
                                        {16.4f, 20.0f}, {20.2f, 23.9f}};
            for (int i = 0; i < 5; ++i)
                if (t >= stages[i][0] && t <= stages[i][1])
                    keepLeastFlashed(creditStages[i], rgba, t);
        }
        if (td > 69.8 && td < 89.2) {
            const float L = g_barrelClock - g_frameDelta;
            if (L >= 2.0f && L <= 8.0f)
                keepLeastFlashed(barrelFog, rgba, t);
            if (td > 89.0) {
                // The latest one: the white-out is strongest at the end.
                barrelEnd.kept = false;
                keepLeastFlashed(barrelEnd, rgba, t);
            }
        }
        if (td > 89.2 && td < 103.8) {
            const float gt = g_greetingsClock - g_frameDelta;
            const float windows[4][2] = {{0.3f, 1.9f}, {4.3f, 4.7f}, {7.3f, 7.7f},
                                         {9.6f, 10.4f}};
            for (int i = 0; i < 4; ++i)
                if (gt >= windows[i][0] && gt <= windows[i][1]) {
                    const float before = greetings[i].veil;
                    keepLeastFlashed(greetings[i], rgba, t);
                    if (greetings[i].veil != before || greetingTimes[i] < 0.0f)
                        greetingTimes[i] = gt;
                }
        }
        if (td >= 125.0 && td <= 128.0) {
            const float before = glowFrame.veil;
            keepLeastFlashed(glowFrame, rgba, t);
            if (glowFrame.veil != before || glowTexture.empty())
                readGlowTexture();
        }
        if (td >= 143.0 && td <= 144.9)
            keepLeastFlashed(beforeFade, rgba, t);
        if (td >= 149.0 && td < 149.8)
            keepLeastFlashed(faded, rgba, t);
    }

    void readGlowTexture()
    {
        GLint previous = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
        glowTexture.resize(kGlowTextureSize * kGlowTextureSize * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glBindTexture(GL_TEXTURE_2D, g_texGlow);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, glowTexture.data());
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previous));
    }

    int swaps = 0;
    int framesPastEnd = 0;
    int flashFrames = 0;
    float lastTime = 0.0f;
    std::vector<std::string> problems;
    SKeptFrame firstIntro;
    SKeptFrame creditStages[5];
    SKeptFrame barrelFog;
    SKeptFrame barrelEnd;
    SKeptFrame greetings[4];
    float greetingTimes[4] = {-1.0f, -1.0f, -1.0f, -1.0f};
    SKeptFrame glowFrame;
    std::vector<unsigned char> glowTexture;
    SKeptFrame beforeFade;
    SKeptFrame faded;
};

CTimelineRun g_run;
int g_status = -1;

class Timeline : public ::testing::Test {
protected:
    // One whole run per process, shared by the checks below.
    static void SetUpTestSuite()
    {
        CMessageBoxRecorder boxes;
        g_status = runDemoVirtual(20.0, [](const unsigned char *rgba, int w, int h) {
            if (w == kFrameWidth && h == kFrameHeight)
                g_run.onSwap(rgba);
        });
    }
};

TEST_F(Timeline, EndsByItselfWithCleanFrames)
{
    EXPECT_EQ(g_status, 0);
    EXPECT_GT(static_cast<double>(g_run.lastTime), 149.8);
    EXPECT_EQ(g_run.framesPastEnd, 1);
    for (const std::string &p : g_run.problems)
        ADD_FAILURE() << p;
}

TEST_F(Timeline, IntroFadesInThenShowsEachCredit)
{
    const SKeptFrame &first = g_run.firstIntro;
    ASSERT_TRUE(first.kept);
    EXPECT_LE(meanLuma(first, kFull), 255.0 * first.veil + 6.0) << "first intro frame at "
                                                                 << first.time;
    const SKeptFrame &logo = g_run.creditStages[0];
    ASSERT_TRUE(logo.kept);
    EXPECT_GT(meanLuma(logo, kFull), 255.0 * logo.veil + 25.0) << "logo at " << logo.time;

    // Stage i adds the credits listed for it; the rest of the picture stays.
    const std::vector<std::vector<int>> added = {{0}, {1}, {2, 3}, {4}};
    std::vector<SRect> allCredits(kCredits, kCredits + 5);
    for (int stage = 1; stage < 5; ++stage) {
        const SKeptFrame &before = g_run.creditStages[stage - 1];
        const SKeptFrame &after = g_run.creditStages[stage];
        ASSERT_TRUE(after.kept) << stage;
        const int threshold = differenceThreshold(before, after);
        for (int credit : added[stage - 1])
            EXPECT_GT(changedShare(before, after, shrink(kCredits[credit], 4), threshold), 0.05)
                << "credit " << credit + 1 << " at " << after.time;
        EXPECT_LT(changedShareOutside(before, after, allCredits, threshold), 0.01)
            << "outside the credits at " << after.time;
    }
    // Once shown, a credit stays to the end of the scene.
    const int threshold = differenceThreshold(logo, g_run.creditStages[4]);
    for (int credit = 0; credit < 5; ++credit)
        EXPECT_GT(changedShare(logo, g_run.creditStages[4], shrink(kCredits[credit], 4),
                               threshold),
                  0.05)
            << "credit " << credit + 1 << " at the end of the intro";
}

TEST_F(Timeline, CorridorIsGreenFogThenWhite)
{
    const SKeptFrame &fog = g_run.barrelFog;
    ASSERT_TRUE(fog.kept);
    const double r = meanChannel(fog, kFull, 0);
    const double g = meanChannel(fog, kFull, 1);
    const double b = meanChannel(fog, kFull, 2);
    EXPECT_GT(g, r + 10.0) << "at " << fog.time;
    EXPECT_GT(g, b + 10.0) << "at " << fog.time;

    const SKeptFrame &end = g_run.barrelEnd;
    ASSERT_TRUE(end.kept);
    EXPECT_GT(whiteShare(end, kFull, 250), 0.99) << "last corridor frame at " << end.time;
}

TEST_F(Timeline, GreetingsInTheirRectangles)
{
    const SKeptFrame &background = g_run.greetings[0];
    ASSERT_TRUE(background.kept);
    for (int i = 1; i < 4; ++i) {
        const SKeptFrame &f = g_run.greetings[i];
        ASSERT_TRUE(f.kept) << i;
        const float gt = g_run.greetingTimes[i];
        const int threshold = differenceThreshold(background, f);
        std::vector<SRect> shown;
        for (int k = 0; k < 4; ++k) {
            const SGreetingRect g = greetingRect(k, gt);
            if (!g.shown)
                continue;
            const SRect r = rectOf(g);
            shown.push_back(shrink(r, -3));
            EXPECT_GT(changedShare(background, f, shrink(r, 4), threshold), 0.05)
                << "greeting " << k << " at scene time " << gt;
        }
        EXPECT_FALSE(shown.empty()) << gt;
        EXPECT_LT(changedShareOutside(background, f, shown, threshold), 0.01)
            << "outside the greetings at scene time " << gt;
    }
}

TEST_F(Timeline, FinaleGlowsThenFadesToBlack)
{
    ASSERT_TRUE(g_run.glowFrame.kept);
    ASSERT_FALSE(g_run.glowTexture.empty());
    // The copied corner holds the additive sphere over black.
    long lit = 0;
    for (size_t i = 0; i + 2 < g_run.glowTexture.size(); i += 3)
        lit += (g_run.glowTexture[i] + g_run.glowTexture[i + 1] + g_run.glowTexture[i + 2]) > 90;
    EXPECT_GT(lit, 200) << "glow texture at " << g_run.glowFrame.time;
    EXPECT_GT(meanLuma(g_run.glowFrame, kFull), 255.0 * g_run.glowFrame.veil + 15.0);

    const SKeptFrame &faded = g_run.faded;
    ASSERT_TRUE(faded.kept && g_run.beforeFade.kept);
    EXPECT_LE(meanLuma(faded, kFull), 255.0 * faded.veil + 4.0) << "at " << faded.time;
    EXPECT_GT(meanLuma(g_run.beforeFade, kFull), meanLuma(faded, kFull) + 15.0);
}

TEST_F(Timeline, FlashTimesTurnFramesWhite)
{
    // Frames within 0.015 s of a flash time are checked in the run itself.
    EXPECT_GT(g_run.flashFrames, 0);
}

} // namespace
