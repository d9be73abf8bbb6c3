// The arithmetic that decides what the scenes draw, as tables of cases.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "scenes/timing.h"

namespace {

float above(float v) { return std::nextafter(v, std::numeric_limits<float>::infinity()); }
float below(float v) { return std::nextafter(v, -std::numeric_limits<float>::infinity()); }

TEST(CreditTimes, InclusiveAgainstTheDoubleBound)
{
    struct SCase {
        float t;
        double from;
        bool shown;
    } cases[] = {
        {8.7f, 8.7, false},  // the float 8.7 lies below the double
        {above(8.7f), 8.7, true},
        {12.5f, 12.5, true},  // exact: inclusive
        {below(12.5f), 12.5, false},
        {16.3f, 16.3, false},
        {above(16.3f), 16.3, true},
        {20.1f, 20.1, true},  // the float 20.1 lies above the double
        {0.0f, 8.7, false},
    };
    for (const SCase &c : cases)
        EXPECT_EQ(creditShown(c.t, c.from), c.shown) << c.t << " vs " << c.from;
}

TEST(GreetingRects, SampleTimesAndWindowEdges)
{
    struct SCase {
        int index;
        float t;
        SGreetingRect expected;
    } cases[] = {
        {0, 4.5f, {true, 85, 350, 268, 256}},
        {1, 4.5f, {true, 268, 170, 522, 256}},
        {2, 7.5f, {true, 220, 440, 444, 192}},
        {3, 10.0f, {true, 10, -75, 592, 512}},
        // First and last frames of each window.
        {0, above(2.0f), {true, 85, 350, 118, 256}},
        {1, below(7.0f), {true, 119, 170, 671, 256}},
        {2, above(6.0f), {true, 220, 440, 354, 153}},
        {3, below(11.0f), {true, 10, -75, 651, 563}},
        // Strict bounds: not drawn on them.
        {0, 2.0f, {false, 0, 0, 0, 0}},
        {0, 5.0f, {false, 0, 0, 0, 0}},
        {1, 4.0f, {false, 0, 0, 0, 0}},
        {1, 7.0f, {false, 0, 0, 0, 0}},
        {2, 6.0f, {false, 0, 0, 0, 0}},
        {2, 9.0f, {false, 0, 0, 0, 0}},
        {3, 8.0f, {false, 0, 0, 0, 0}},
        {3, 11.0f, {false, 0, 0, 0, 0}},
        {3, 0.0f, {false, 0, 0, 0, 0}},
    };
    for (const SCase &c : cases) {
        const SGreetingRect r = greetingRect(c.index, c.t);
        EXPECT_EQ(r.shown, c.expected.shown) << c.index << " at " << c.t;
        if (!r.shown || !c.expected.shown)
            continue;
        EXPECT_EQ(r.x, c.expected.x) << c.index << " at " << c.t;
        EXPECT_EQ(r.y, c.expected.y) << c.index << " at " << c.t;
        EXPECT_EQ(r.w, c.expected.w) << c.index << " at " << c.t;
        EXPECT_EQ(r.h, c.expected.h) << c.index << " at " << c.t;
    }
}

TEST(GreetingRects, SecondGreetingKeepsItsRightEdge)
{
    for (float t = 4.001f; t < 7.0f; t += 0.0137f) {
        const SGreetingRect r = greetingRect(1, t);
        ASSERT_TRUE(r.shown) << t;
        EXPECT_EQ(r.x + r.w, 790) << t;
    }
}

TEST(GreetingRects, AtMostTwoAtOnce)
{
    for (float t = 0.0f; t < 14.6f; t += 0.01f) {
        int shown = 0;
        for (int i = 0; i < 4; ++i)
            shown += greetingRect(i, t).shown ? 1 : 0;
        EXPECT_LE(shown, 2) << t;
    }
}

TEST(BarrelCamera, FlightThenPullBack)
{
    struct SCase {
        float L;
        CVector eye;
        CVector centre;
    } cases[] = {
        {0.0f, {0.0f, 0.0f, 710.0f}, {0.0f, 0.0f, 1.0f}},
        // The float 9.2 lies below the double: still on the path.
        {9.2f, {-0.19912f, -0.27260f, 40.86186f}, {-0.19912f, -0.19912f, 0.80088f}},
        {above(9.2f), {2.0f, 1.0f, 360.00003f}, {2.2f, 1.2f, 182.000015f}},
        {19.0f, {2.0f, 1.0f, 752.0f}, {2.2f, 1.2f, 378.0f}},
    };
    for (const SCase &c : cases) {
        CVector eye(-1.0f, -1.0f, -1.0f);
        CVector centre(-1.0f, -1.0f, -1.0f);
        barrelCamera(c.L, eye, centre);
        EXPECT_NEAR(eye.x, c.eye.x, 5e-3) << c.L;
        EXPECT_NEAR(eye.y, c.eye.y, 5e-3) << c.L;
        EXPECT_NEAR(eye.z, c.eye.z, 5e-3) << c.L;
        EXPECT_NEAR(centre.x, c.centre.x, 5e-3) << c.L;
        EXPECT_NEAR(centre.y, c.centre.y, 5e-3) << c.L;
        EXPECT_NEAR(centre.z, c.centre.z, 5e-3) << c.L;
    }
}

TEST(BarrelOverlay, AlphaStaysBetweenTenthAndHalf)
{
    EXPECT_FLOAT_EQ(barrelOverlayAlpha(0.0f), 0.3f);
    for (float L = 0.0f; L < 20.0f; L += 0.01f) {
        EXPECT_GE(barrelOverlayAlpha(L), 0.1f - 1e-6f) << L;
        EXPECT_LE(barrelOverlayAlpha(L), 0.5f + 1e-6f) << L;
    }
}

TEST(RoomWaypoints, RowByDemoTime)
{
    struct SCase {
        float t;
        int row;
    } cases[] = {
        {0.0f, -1},      {119.2f, 0},     {122.9f, 1},  // the float 122.9 lies above
        {124.0f, 1},     {126.7f, 1},     {128.0f, 2},  // the float 126.7 lies below
        {130.6f, 3},     {132.0f, 3},     {134.5f, -1},  // exact bound: no row
        {above(134.5f), 4}, {136.0f, 4}, {138.3f, 5},
        {140.0f, 5},     {142.1f, 6},     {149.7f, 6},
    };
    for (const SCase &c : cases)
        EXPECT_EQ(roomWaypointRow(c.t), c.row) << c.t;
}

TEST(RoomWaypoints, EyeTurnedByTheSceneTime)
{
    CVector eye;
    // First glow frame: R just above 15.4, first row turned about Y by 1.54.
    ASSERT_TRUE(roomWaypointEye(119.2f, above(15.4f), eye));
    EXPECT_NEAR(eye.x, 98.953f, 1e-2);
    EXPECT_FLOAT_EQ(eye.y, -50.0f);
    EXPECT_NEAR(eye.z, -3.048f, 1e-2);

    // Row 3 turns about Z only.
    ASSERT_TRUE(roomWaypointEye(132.0f, 0.0f, eye));
    EXPECT_FLOAT_EQ(eye.x, 2.0f);
    EXPECT_FLOAT_EQ(eye.y, 2.0f);
    EXPECT_FLOAT_EQ(eye.z, -149.0f);

    // Row 4: Y by 0.5 R, then Z by 0.01 R; z is left by the second turn.
    const float R = 20.0f;
    ASSERT_TRUE(roomWaypointEye(136.0f, R, eye));
    const double a = 0.5f * R;
    const double x1 = 4.0 * std::cos(a) + 50.0 * std::sin(a);
    const double z1 = 4.0 * std::sin(a) - 50.0 * std::cos(a);
    const double b = 0.01f * R;
    EXPECT_NEAR(eye.x, x1 * std::cos(b) - 50.0 * std::sin(b), 1e-3);
    EXPECT_NEAR(eye.y, -50.0 * std::cos(b) - x1 * std::sin(b), 1e-3);
    EXPECT_NEAR(eye.z, z1, 1e-3);

    eye = CVector(7.0f, 7.0f, 7.0f);
    EXPECT_FALSE(roomWaypointEye(134.5f, R, eye));
}

TEST(RoomGlow, CopyOffsetsForSpread)
{
    struct SCase {
        float s;
        int count;
        int k[5];
    } cases[] = {
        {1.0f, 5, {0, 0, 0, 0, 0}},
        {6.0f, 5, {0, 7, 14, 21, 28}},
        {11.0f, 5, {0, 24, 48, 72, 96}},
    };
    for (const SCase &c : cases) {
        int k[kMaxGlowCopies];
        ASSERT_EQ(glowCopyOffsets(c.s, k), c.count) << c.s;
        for (int i = 0; i < c.count; ++i)
            EXPECT_EQ(k[i], c.k[i]) << c.s << " copy " << i;
    }
}

TEST(RoomGlow, SpreadBetweenOneAndEleven)
{
    for (float t = 103.8f; t < 149.8f; t += 0.013f) {
        const float s = roomGlowSpread(t);
        EXPECT_GE(s, 1.0f - 1e-5f) << t;
        EXPECT_LE(s, 11.0f + 1e-5f) << t;
        int k[kMaxGlowCopies];
        const int copies = glowCopyOffsets(s, k);
        EXPECT_GE(copies, 5) << t;
        EXPECT_LE(copies, 6) << t;
    }
}

TEST(TunnelScroll, StepPerFrameBeforeAndAfter)
{
    struct SCase {
        float t;
        float ds;
        float dt;
    } cases[] = {
        {50.0f, 0.0f, 0.017f},
        {54.5f, 0.0f, 0.017f},  // exact bound: still the slow rule
        {above(54.5f), 0.02f, 0.02f},
        {60.0f, 0.02f, 0.02f},
    };
    for (const SCase &c : cases) {
        float s = 0.25f;
        float tc = 0.5f;
        tunnelScroll(c.t, 0.02f, s, tc);
        EXPECT_NEAR(s - 0.25f, c.ds, 1e-6) << c.t;
        EXPECT_NEAR(tc - 0.5f, c.dt, 1e-6) << c.t;
    }
}

TEST(TunnelAim, StraightUntilTheSwing)
{
    EXPECT_EQ(tunnelAimX(62.0f), 0.0);
    EXPECT_EQ(tunnelAimX(below(62.2f)), 0.0);
    const float t = 63.0f;
    EXPECT_NEAR(tunnelAimX(t), std::sin(630.0), 1e-9);
}

} // namespace
