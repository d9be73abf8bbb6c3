// Camera-path maths: Bezier points on the barrel corridor's path and the two rotations.
#include <gtest/gtest.h>

#include <cmath>

#include "draw/camera.h"

namespace {
const float kHalfPi = 1.57079632679f;

TEST(Camera, BarrelPathPoints)
{
    struct SCase {
        float t;
        CVector expected;
        float tolerance;
    };
    for (const SCase &c : {SCase{0.0f, {0, 0, 710}, 0}, SCase{1.0f, {3, 3, -25}, 0},
                           SCase{0.5f, {-0.75f, -1.125f, 348.125f}, 1e-4f},
                           SCase{0.09f, {0.54f, 0.317f, 691.53f}, 0.01f},
                           // Not clamped: values beyond 1 extrapolate.
                           SCase{2.0f, {114, 108, 3290}, 1e-3f}}) {
        SCOPED_TRACE(c.t);
        CVector p = bezierPathPoint(g_barrelCameraPath, c.t);
        EXPECT_NEAR(p.x, c.expected.x, c.tolerance);
        EXPECT_NEAR(p.y, c.expected.y, c.tolerance);
        EXPECT_NEAR(p.z, c.expected.z, c.tolerance);
    }
}

TEST(Camera, BezierPointEndsAreTheOuterControlPointsExactly)
{
    const CVector p0(1.5f, -2.25f, 7), p1(9, 9, 9), p2(-4, 8, 1), p3(0.1f, 0.2f, 0.3f);
    CVector start = bezierPoint(p0, p1, p2, p3, 0.0f);
    CVector end = bezierPoint(p0, p1, p2, p3, 1.0f);
    EXPECT_EQ(start.x, p3.x);
    EXPECT_EQ(start.y, p3.y);
    EXPECT_EQ(start.z, p3.z);
    EXPECT_EQ(end.x, p0.x);
    EXPECT_EQ(end.y, p0.y);
    EXPECT_EQ(end.z, p0.z);
}

TEST(Camera, RotationsTurnAgainstTheRightHandedSense)
{
    struct SCase {
        const char *name;
        void (*rotate)(CVector &, float);
        CVector in;
        float angle;
        CVector expected;
    };
    for (const SCase &c : {
             SCase{"Y: +X to +Z", rotateAboutY, {1, 0, 0}, kHalfPi, {0, 0, 1}},
             SCase{"Y: +Z to -X", rotateAboutY, {0, 0, 1}, kHalfPi, {-1, 0, 0}},
             SCase{"Y: entry values used", rotateAboutY, {1, 0, 1}, kHalfPi, {-1, 0, 1}},
             SCase{"Y: y kept", rotateAboutY, {2, 5, -1}, 1.0f,
                   {2 * std::cos(1.0f) + std::sin(1.0f), 5, 2 * std::sin(1.0f) - std::cos(1.0f)}},
             SCase{"Z: +X to -Y", rotateAboutZ, {1, 0, 0}, kHalfPi, {0, -1, 0}},
             SCase{"Z: +Y to +X", rotateAboutZ, {0, 1, 0}, kHalfPi, {1, 0, 0}},
             SCase{"Z: entry values used", rotateAboutZ, {1, 1, 3}, kHalfPi, {1, -1, 3}},
             SCase{"angle 0", rotateAboutZ, {0.3f, -7, 2}, 0.0f, {0.3f, -7, 2}},
         }) {
        SCOPED_TRACE(c.name);
        CVector v = c.in;
        c.rotate(v, c.angle);
        EXPECT_NEAR(v.x, c.expected.x, 1e-6f);
        EXPECT_NEAR(v.y, c.expected.y, 1e-6f);
        EXPECT_NEAR(v.z, c.expected.z, 1e-6f);
    }
    CVector same(0.3f, -7, 2);
    rotateAboutY(same, 0.0f);
    EXPECT_EQ(same.x, 0.3f);
    EXPECT_EQ(same.z, 2.0f);
}
}  // namespace
