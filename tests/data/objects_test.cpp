// The objects load through the demo's reader with the mesh counts the scenes
// expect, and are shaped for the scale and camera of the scene that shows them.
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "draw/camera.h"
#include "mesh/olvbrush.h"
#include "tools/datagen/shapes.h"

namespace {

struct SBox {
    float lo[3] = {1e30f, 1e30f, 1e30f};
    float hi[3] = {-1e30f, -1e30f, -1e30f};
    float maxRadius = 0;
};

SBox bounds(const CMesh &m)
{
    SBox b;
    for (int i = 0; i < m.vertexCount; ++i) {
        const float *p = m.positions + 3 * i;
        for (int k = 0; k < 3; ++k) {
            b.lo[k] = std::min(b.lo[k], p[k]);
            b.hi[k] = std::max(b.hi[k], p[k]);
        }
        b.maxRadius = std::max(b.maxRadius, std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]));
    }
    return b;
}

// Loads an object and scales its meshes as the demo's start-up does.
void load(COLVBrush &brush, const char *path, float scale)
{
    ASSERT_TRUE(brush.loadFromFile(path)) << path;
    for (int i = 0; i < brush.meshCount; ++i)
        brush.meshes[i]->scale(scale);
}

// Fraction of triangles whose normal points away from `centre` (the rest point towards it).
float outwardShare(const CMesh &m, CVector centre, bool radialInXyOnly = false)
{
    int outward = 0;
    for (int f = 0; f < m.faceCount; ++f) {
        const float *p[3];
        for (int k = 0; k < 3; ++k)
            p[k] = m.positions + 3 * m.faces[3 * f + k];
        const CVector a(p[0][0], p[0][1], p[0][2]), b(p[1][0], p[1][1], p[1][2]), c(p[2][0], p[2][1], p[2][2]);
        const CVector n = CVector(a, b).cross(CVector(a, c));
        CVector r((a.x + b.x + c.x) / 3 - centre.x, (a.y + b.y + c.y) / 3 - centre.y, (a.z + b.z + c.z) / 3 - centre.z);
        if (radialInXyOnly)
            r.z = 0;
        outward += n.x * r.x + n.y * r.y + n.z * r.z > 0;
    }
    return float(outward) / float(std::max(1, m.faceCount));
}

struct SObjectCase {
    const char *path;
    int meshCount;
};

const SObjectCase kObjects[] = {{"data/objects/spikie.obr", 1},  {"data/objects/gsphere.obr", 1},
                                {"data/objects/cube.obr", 1},    {"data/objects/hisphere.obr", 1},
                                {"data/objects/bildegrid.obr", 1}, {"data/objects/tonne.obr", 1},
                                {"data/objects/rom.obr", 4},     {"data/objects/tunnel.obr", 1}};

TEST(Objects, LoadWithTheirMeshCountsAndValidIndices)
{
    for (const SObjectCase &c : kObjects) {
        COLVBrush brush;
        ASSERT_TRUE(brush.loadFromFile(c.path)) << c.path;
        ASSERT_EQ(brush.meshCount, c.meshCount) << c.path;
        for (int i = 0; i < brush.meshCount; ++i) {
            const CMesh &m = *brush.meshes[i];
            EXPECT_GT(m.faceCount, 0) << c.path;
            for (int k = 0; k < m.faceCount * 3; ++k)
                ASSERT_TRUE(m.faces[k] >= 0 && m.faces[k] < m.vertexCount) << c.path;
        }
    }
}

// Closed shapes wind counter-clockwise from outside, so the demo's inversion
// turns their normals inward; the room's panels all face into the room.
TEST(Objects, WindingFacesTheWayTheScenesLookAtThem)
{
    const char *closed[] = {"data/objects/spikie.obr", "data/objects/gsphere.obr", "data/objects/cube.obr",
                            "data/objects/hisphere.obr"};
    for (const char *path : closed) {
        COLVBrush brush;
        load(brush, path, 1.0f);
        EXPECT_EQ(outwardShare(*brush.meshes[0], CVector()), 1.0f) << path;
    }
    COLVBrush tunnel;
    load(tunnel, "data/objects/tunnel.obr", 1.0f);
    EXPECT_EQ(outwardShare(*tunnel.meshes[0], CVector(), true), 1.0f);
    COLVBrush room;
    load(room, "data/objects/rom.obr", 1.0f);
    const CVector middle(0, 0, (kRoomCeilingZ + kRoomFloorZ) / 2);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(outwardShare(*room.meshes[i], middle), 0.0f) << "room mesh " << i;
}

TEST(Objects, SpikieTipsStayInsideTheNearPlaneMargin)
{
    COLVBrush spikie;
    load(spikie, "data/objects/spikie.obr", 0.005f);
    const SBox b = bounds(*spikie.meshes[0]);
    // Centred 2 in front of the eye: tips within 1 keep clear of the near plane at 1.
    EXPECT_LT(b.maxRadius, 1.0f);
    EXPECT_GT(b.maxRadius, 0.6f); // still a good part of the 75-degree view
}

TEST(Objects, GsphereSurroundsTheSpheresCamera)
{
    COLVBrush gsphere;
    load(gsphere, "data/objects/gsphere.obr", 0.4f);
    const CMesh &m = *gsphere.meshes[0];
    float nearest = 1e30f;
    for (int i = 0; i < m.vertexCount; ++i) {
        const float *p = m.positions + 3 * i;
        nearest = std::min(nearest, std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]));
    }
    // The eye is 5.5 from the centre; every wall must lie beyond the near plane.
    EXPECT_GT(nearest, 5.5f + 1.0f + 1.0f);
}

TEST(Objects, TunnelIsSymmetricAndLongerThanTheView)
{
    COLVBrush tunnel;
    load(tunnel, "data/objects/tunnel.obr", 0.05f);
    const SBox b = bounds(*tunnel.meshes[0]);
    EXPECT_FLOAT_EQ(b.lo[2], -b.hi[2]);
    EXPECT_FLOAT_EQ(b.lo[0], -b.hi[0]);
    // Seen from z 0.5 with depth stretched 2.5 times, far plane 1000.
    EXPECT_GT(b.hi[2] * 2.5f, 100.0f);
    EXPECT_GT(b.hi[0], 0.5f);
}

TEST(Objects, CubesOfTheHelixLeaveTheAxisFree)
{
    COLVBrush cube;
    load(cube, "data/objects/cube.obr", 0.03f);
    const SBox b = bounds(*cube.meshes[0]);
    const float half = b.hi[0];
    // Neighbours on the helix: 31.4 degrees apart at radius 7, and 5 apart in z.
    EXPECT_LT(2 * half, 5.0f);
    EXPECT_GT(2 * half, 2.0f);
    EXPECT_LT(half * std::sqrt(2.0f), 7.0f - 2.0f); // the camera flies within about 1.2 of the axis
}

TEST(Objects, HisphereHasAFewThousandVerticesAndRadiusNearTwelve)
{
    COLVBrush sphere;
    load(sphere, "data/objects/hisphere.obr", 0.12f);
    const CMesh &m = *sphere.meshes[0];
    EXPECT_GE(m.vertexCount, 2000);
    EXPECT_LE(m.vertexCount, 6000);
    EXPECT_NEAR(bounds(m).maxRadius, 12.0f, 0.5f);
}

// Position of a room-frame point in world space is M * p; this undoes it for a
// rotation of `degrees` about a unit axis, as glRotatef builds it.
CVector unrotate(CVector v, CVector axis, float degrees)
{
    const float len = axis.length();
    const float x = axis.x / len, y = axis.y / len, z = axis.z / len;
    const float a = -degrees * 3.14159265f / 180.0f, c = std::cos(a), s = std::sin(a);
    return CVector((c + x * x * (1 - c)) * v.x + (x * y * (1 - c) - z * s) * v.y + (x * z * (1 - c) + y * s) * v.z,
                   (y * x * (1 - c) + z * s) * v.x + (c + y * y * (1 - c)) * v.y + (y * z * (1 - c) - x * s) * v.z,
                   (z * x * (1 - c) - y * s) * v.x + (z * y * (1 - c) + x * s) * v.y + (c + z * z * (1 - c)) * v.z);
}

class RoomTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        load(room, "data/objects/rom.obr", 0.1f);
        for (int i = 0; i < room.meshCount; ++i) {
            const SBox m = bounds(*room.meshes[i]);
            for (int k = 0; k < 3; ++k) {
                box.lo[k] = std::min(box.lo[k], m.lo[k]);
                box.hi[k] = std::max(box.hi[k], m.hi[k]);
            }
        }
    }
    // Inside, with the near plane's distance to spare from every wall.
    bool inside(CVector p) const
    {
        const float v[3] = {p.x, p.y, p.z};
        for (int k = 0; k < 3; ++k)
            if (v[k] < box.lo[k] + 1.0f || v[k] > box.hi[k] - 1.0f)
                return false;
        return true;
    }
    COLVBrush room;
    SBox box;
};

TEST_F(RoomTest, EveryCameraOfTheFinaleStandsInside)
{
    // Opening branch: the room turns about its own z under a fixed eye at
    // (0, -50, -99); in the room's frame the eye circles at radius 99.
    const CVector openingEye = unrotate(CVector(0, -50, -99), CVector(1, 0, 0), 90);
    for (int step = 0; step < 360; ++step) {
        CVector eye = openingEye;
        rotateAboutZ(eye, step * 3.14159265f / 180.0f);
        EXPECT_TRUE(inside(eye)) << "opening, angle " << step;
    }
    // Glow branch: the waypoint table, over each row's window of demo time.
    struct SRow {
        float from, to;
        CVector start;
        float yFactor, zFactor; // rotateAboutY first, then rotateAboutZ
    };
    const SRow rows[] = {{119.2f, 122.9f, CVector(0, -50, -99), 0.1f, 0},
                         {122.9f, 126.7f, CVector(10, -60, -69), 0.5f, 0},
                         {126.7f, 130.6f, CVector(15, -70, -139), 0.5f, 0},
                         {130.6f, 134.5f, CVector(2, 2, -149), 0, 0.1f},
                         {134.5f, 138.3f, CVector(4, -50, -50), 0.5f, 0.01f},
                         {138.3f, 142.1f, CVector(12, -40, -59), 0.3f, 0},
                         {142.1f, 149.8f, CVector(0, -50, -79), 0.7f, 0}};
    for (const SRow &row : rows) {
        for (float t = row.from; t <= row.to; t += 0.05f) {
            const float r = t - 103.8f; // the finale's own clock
            CVector eye = row.start;
            if (row.yFactor != 0)
                rotateAboutY(eye, row.yFactor * r);
            if (row.zFactor != 0)
                rotateAboutZ(eye, row.zFactor * r);
            const CVector local =
                unrotate(CVector(eye.x, eye.y - 5, eye.z + 36), CVector(1, 0.3f, 0), 90);
            EXPECT_TRUE(inside(local)) << "glow, t " << t;
        }
    }
}

TEST_F(RoomTest, BarrelsStandOnTheFloor)
{
    COLVBrush tonne;
    load(tonne, "data/objects/tonne.obr", 0.1f);
    const SBox b = bounds(*tonne.meshes[0]);
    // The finale puts each barrel's origin at z 80 of the room's frame, where +z is down.
    EXPECT_NEAR(80.0f + b.hi[2], box.hi[2], 0.5f);
    EXPECT_GT(b.hi[2] - b.lo[2], 10.0f);
    // The two barrels stand 26 apart: they must not run into each other.
    EXPECT_LT(b.hi[0], 13.0f);
}

} // namespace
