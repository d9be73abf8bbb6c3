// Vector maths and mesh geometry operations against worked values.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "mesh/mesh.h"

namespace {
// A mesh owning copies of the given positions (x, y, z per vertex) and corner indices.
void fillMesh(CMesh &mesh, const std::vector<float> &positions, const std::vector<int> &faces)
{
    mesh.vertexCount = static_cast<int>(positions.size() / 3);
    mesh.faceCount = static_cast<int>(faces.size() / 3);
    mesh.normalCount = mesh.vertexCount;
    mesh.texCoordCount = mesh.vertexCount;
    mesh.positions = new float[positions.size()];
    std::copy(positions.begin(), positions.end(), mesh.positions);
    mesh.faces = new int[faces.size() + 1];
    std::copy(faces.begin(), faces.end(), mesh.faces);
    mesh.normals = new CVector[mesh.vertexCount];
    mesh.texCoords = new float[mesh.vertexCount * 2]();
}

void expectVector(const CVector &v, float x, float y, float z, float tolerance = 1e-6f)
{
    EXPECT_NEAR(v.x, x, tolerance);
    EXPECT_NEAR(v.y, y, tolerance);
    EXPECT_NEAR(v.z, z, tolerance);
}

TEST(Vector, TwoPointConstructorLengthAndNormalize)
{
    CVector v(CVector(1, 2, 3), CVector(4, 6, 8));
    expectVector(v, 3, 4, 5, 0);
    EXPECT_FLOAT_EQ(v.length(), 7.0710678f);
    expectVector(v, 3, 4, 5, 0);
    v.normalize();
    expectVector(v, 0.424264f, 0.565685f, 0.707107f);
    EXPECT_FLOAT_EQ(v.length(), 1.0f);
}

TEST(Vector, CrossProducts)
{
    struct SCase {
        CVector a, b, expected;
    };
    for (const SCase &c : {SCase{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, SCase{{0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
                           SCase{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}, SCase{{1, 2, 3}, {4, 5, 6}, {-3, 6, -3}},
                           SCase{{2, 0, 0}, {4, 0, 0}, {0, 0, 0}}}) {
        CVector r = c.a.cross(c.b);
        expectVector(r, c.expected.x, c.expected.y, c.expected.z, 0);
    }
}

TEST(Vector, AddInPlaceAndZeroNormalize)
{
    CVector v(1, 2, 3);
    v += CVector(0.5f, -2, 10);
    expectVector(v, 1.5f, 0, 13, 0);
    CVector zero;
    zero.normalize();
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    EXPECT_EQ(zero.z, 0.0f);
}

TEST(MeshGeometry, NormalsAreAreaWeightedAndFollowCornerOrder)
{
    struct SCase {
        const char *name;
        std::vector<float> positions;
        std::vector<int> faces;
        std::vector<CVector> normals;
    };
    const float a = 0.894427f, b = 0.447214f;
    std::vector<SCase> cases = {
        {"counter-clockwise", {0, 0, 0, 1, 0, 0, 0, 1, 0}, {0, 1, 2}, {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}}},
        {"clockwise", {0, 0, 0, 0, 1, 0, 1, 0, 0}, {0, 1, 2}, {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}}},
        // A = (0,0,0) (1,0,0) (0,1,0), B = (0,0,0) (0,0,2) (1,0,0); B weighs twice as much.
        {"shared edge",
         {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 2},
         {0, 1, 2, 0, 3, 1},
         {{0, a, b}, {0, a, b}, {0, 0, 1}, {0, 1, 0}}},
        {"unused and degenerate vertices stay zero",
         {0, 0, 0, 1, 0, 0, 0, 1, 0, 5, 5, 5, 2, 2, 2},
         {0, 1, 2, 4, 4, 4},
         {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 0}, {0, 0, 0}}},
    };
    for (const SCase &c : cases) {
        SCOPED_TRACE(c.name);
        CMesh mesh;
        fillMesh(mesh, c.positions, c.faces);
        mesh.normals[0] = CVector(9, 9, 9);
        mesh.computeNormals();
        for (size_t k = 0; k < c.normals.size(); ++k)
            expectVector(mesh.normals[k], c.normals[k].x, c.normals[k].y, c.normals[k].z);
        // Recomputing gives the same result: nothing accumulates between calls.
        mesh.computeNormals();
        expectVector(mesh.normals[0], c.normals[0].x, c.normals[0].y, c.normals[0].z);
    }
}

TEST(MeshGeometry, ScaleAndInvertMoveOnlyPositions)
{
    CMesh mesh;
    fillMesh(mesh, {2, -4, 6, 0, 1, 0, 1, 0, 0}, {0, 1, 2});
    mesh.normals[0] = CVector(0, 0, 1);
    mesh.texCoords[0] = 0.25f;
    mesh.scale(0.5f);
    EXPECT_EQ(mesh.positions[0], 1.0f);
    EXPECT_EQ(mesh.positions[1], -2.0f);
    EXPECT_EQ(mesh.positions[2], 3.0f);
    EXPECT_EQ(mesh.positions[4], 0.5f);
    mesh.invert();
    EXPECT_EQ(mesh.positions[0], -1.0f);
    EXPECT_EQ(mesh.positions[1], 2.0f);
    EXPECT_EQ(mesh.positions[2], -3.0f);
    expectVector(mesh.normals[0], 0, 0, 1, 0);
    EXPECT_EQ(mesh.texCoords[0], 0.25f);
    EXPECT_EQ(mesh.faces[2], 2);
    mesh.invert();
    EXPECT_EQ(mesh.positions[0], 1.0f);
    EXPECT_EQ(mesh.positions[4], 0.5f);
}

TEST(MeshGeometry, InvertKeepsComputedNormals)
{
    CMesh mesh;
    fillMesh(mesh, {0, 0, 0, 1, 0, 0, 0, 1, 0}, {0, 1, 2});
    mesh.invert();
    mesh.computeNormals();
    expectVector(mesh.normals[1], 0, 0, 1);
}

TEST(MeshGeometry, SetTextureStoresTheName)
{
    CMesh mesh;
    mesh.setTexture(7);
    EXPECT_EQ(mesh.texture, 7u);
    mesh.setTexture(0);
    EXPECT_EQ(mesh.texture, 0u);
}
}  // namespace
