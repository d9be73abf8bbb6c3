// The room finale's sphere deformation on a small octahedron.
#include <cmath>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "scenes/deform.h"

namespace {

// An octahedron of radius r, counter-clockwise seen from outside.
CMesh *makeOctahedron(float r)
{
    static const float kPoints[6][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0},
                                        {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    static const int kFaces[8][3] = {{0, 2, 4}, {2, 1, 4}, {1, 3, 4}, {3, 0, 4},
                                     {2, 0, 5}, {1, 2, 5}, {3, 1, 5}, {0, 3, 5}};
    CMesh *mesh = new CMesh();
    mesh->vertexCount = mesh->normalCount = mesh->texCoordCount = 6;
    mesh->faceCount = 8;
    mesh->positions = new float[18];
    for (int i = 0; i < 18; ++i)
        mesh->positions[i] = kPoints[i / 3][i % 3] * r + 0.1f * (i % 3);  // off-axis, so every step moves it
    mesh->faces = new int[24];
    std::memcpy(mesh->faces, kFaces, sizeof kFaces);
    mesh->normals = new CVector[6];
    mesh->texCoords = new float[12]();
    return mesh;
}

void addMesh(COLVBrush &object, CMesh *mesh)
{
    object.meshes.push_back(mesh);
    object.meshCount = static_cast<int>(object.meshes.size());
}

std::vector<float> positionsOf(const CMesh &mesh)
{
    return std::vector<float>(mesh.positions, mesh.positions + 3 * mesh.vertexCount);
}

double swell(double u, double phi) { return 1.5 + 0.5 * std::sin(0.5 * u + phi); }

TEST(SphereDeform, StepsReadBackWhatTheyWrote)
{
    CMesh *src = makeOctahedron(2.0f);
    CMesh *dst = makeOctahedron(2.0f);
    const float phi = 0.7f;
    deformSphere(*src, *dst, phi);
    for (int i = 0; i < src->vertexCount; ++i) {
        const double sx = src->positions[3 * i], sy = src->positions[3 * i + 1],
                     sz = src->positions[3 * i + 2];
        // x by f(z), then x and z by f(y1), then y and z by f(x2).
        const double x1 = sx * swell(sz, phi), y1 = sy * swell(sz, phi), z1 = sz;
        const double x2 = x1 * swell(y1, phi), z2 = z1 * swell(y1, phi);
        const double y3 = y1 * swell(x2, phi), z3 = z2 * swell(x2, phi);
        EXPECT_NEAR(dst->positions[3 * i], x2, 1e-4) << i;
        EXPECT_NEAR(dst->positions[3 * i + 1], y3, 1e-4) << i;
        EXPECT_NEAR(dst->positions[3 * i + 2], z3, 1e-4) << i;
        EXPECT_NEAR(dst->normals[i].length(), 1.0f, 1e-5) << i;
    }
    delete src;
    delete dst;
}

TEST(SphereDeform, DependsOnlyOnSourceAndTimeAndNeverWritesTheSource)
{
    CMesh *src = makeOctahedron(1.5f);
    CMesh *dst = makeOctahedron(1.5f);
    const std::vector<float> source = positionsOf(*src);

    deformSphere(*src, *dst, 3.0f * 120.0f);
    const std::vector<float> first = positionsOf(*dst);
    std::vector<CVector> firstNormals(dst->normals, dst->normals + dst->vertexCount);
    deformSphere(*src, *dst, 3.0f * 121.5f);
    EXPECT_NE(positionsOf(*dst), first);
    deformSphere(*src, *dst, 3.0f * 120.0f);

    EXPECT_EQ(positionsOf(*dst), first);
    for (int i = 0; i < dst->vertexCount; ++i) {
        EXPECT_EQ(dst->normals[i].x, firstNormals[i].x) << i;
        EXPECT_EQ(dst->normals[i].y, firstNormals[i].y) << i;
        EXPECT_EQ(dst->normals[i].z, firstNormals[i].z) << i;
    }
    EXPECT_EQ(positionsOf(*src), source);
    delete src;
    delete dst;
}

TEST(SphereDeform, ReadyOnlyWithMatchingFirstMeshes)
{
    COLVBrush empty;
    COLVBrush a;
    COLVBrush b;
    COLVBrush other;
    addMesh(a, makeOctahedron(1.0f));
    addMesh(b, makeOctahedron(1.0f));
    CMesh *small = makeOctahedron(1.0f);
    small->vertexCount = 5;  // fewer vertices than the source
    addMesh(other, small);

    EXPECT_TRUE(sphereMorphReady(a, b));
    EXPECT_FALSE(sphereMorphReady(empty, b));
    EXPECT_FALSE(sphereMorphReady(a, empty));
    EXPECT_FALSE(sphereMorphReady(a, other));
}

} // namespace
