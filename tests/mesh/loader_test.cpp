// Object file loader: valid layouts, (u, v) -> (1 - u, v), and every kind of
// corruption refused whole.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "image/memory_file.h"
#include "mesh/obr_fixture.h"
#include "mesh/olvbrush.h"
#include "support/message_boxes.h"

namespace {
struct SLoad {
    bool ok;
    COLVBrush object;
    std::vector<SMessageBox> boxes;
};

void loadFromBytes(const std::vector<unsigned char> &bytes, SLoad &load)
{
    CMessageBoxRecorder recorder;
    FILE *file = openMemory(bytes);
    ASSERT_NE(file, nullptr);
    load.ok = load.object.loadFromStream(file);
    fclose(file);
    load.boxes = recorder.boxes;
}

void expectMeshMatches(const CMesh &mesh, const SObrMesh &source)
{
    const int v = static_cast<int>(source.vertices.size());
    const int f = static_cast<int>(source.indices.size() / 3);
    ASSERT_EQ(mesh.vertexCount, v);
    ASSERT_EQ(mesh.faceCount, f);
    EXPECT_EQ(mesh.normalCount, v);
    EXPECT_EQ(mesh.texCoordCount, v);
    EXPECT_EQ(mesh.texture, 0u);
    for (int k = 0; k < v; ++k) {
        const SObrVertex &in = source.vertices[k];
        EXPECT_EQ(mesh.positions[k * 3], in.x);
        EXPECT_EQ(mesh.positions[k * 3 + 1], in.y);
        EXPECT_EQ(mesh.positions[k * 3 + 2], in.z);
        EXPECT_EQ(mesh.texCoords[k * 2], 1.0f - in.u);
        EXPECT_EQ(mesh.texCoords[k * 2 + 1], in.v);
        EXPECT_EQ(mesh.normals[k].x, 0.0f);
        EXPECT_EQ(mesh.normals[k].y, 0.0f);
        EXPECT_EQ(mesh.normals[k].z, 0.0f);
    }
    for (int k = 0; k < f * 3; ++k) EXPECT_EQ(mesh.faces[k], source.indices[k]);
}

SObrMesh makeQuadMesh()
{
    SObrMesh mesh;
    mesh.vertices = {{-1, -1, 2, 0.5f, 0.5f}, {1, -1, 2, 0, 0}, {1, 1, 2, 1, 1}, {-1, 1, 2, 0.1f, 0.9f}};
    mesh.indices = {0, 1, 2, 0, 2, 3};
    return mesh;
}

TEST(ObjectLoader, ValidFilesLoadExactly)
{
    SObrMesh withBlock = makeTriangleMesh();
    withBlock.block = {0xff, 0, 0x7f, 3, 3, 3, 0x80};
    SObrMesh noFaces = makeQuadMesh();
    noFaces.indices.clear();
    std::vector<unsigned char> trailing = makeObr({makeTriangleMesh()});
    trailing.insert(trailing.end(), {1, 2, 3, 4, 5});
    struct SCase {
        const char *name;
        std::vector<SObrMesh> meshes;
        std::vector<unsigned char> bytes;
    };
    std::vector<SCase> cases = {
        {"no meshes", {}, makeObr({})},
        {"block of length 0", {makeTriangleMesh()}, makeObr({makeTriangleMesh()})},
        {"block of 7 bytes", {withBlock}, makeObr({withBlock})},
        {"two meshes", {makeTriangleMesh(), makeQuadMesh()}, makeObr({makeTriangleMesh(), makeQuadMesh()})},
        {"vertices without faces", {noFaces}, makeObr({noFaces})},
        {"trailing bytes", {makeTriangleMesh()}, trailing},
    };
    for (const SCase &c : cases) {
        SCOPED_TRACE(c.name);
        SLoad load;
        loadFromBytes(c.bytes, load);
        ASSERT_TRUE(load.ok);
        EXPECT_TRUE(load.boxes.empty());
        ASSERT_EQ(load.object.meshCount, static_cast<int>(c.meshes.size()));
        ASSERT_EQ(load.object.meshes.size(), c.meshes.size());
        for (size_t i = 0; i < c.meshes.size(); ++i) expectMeshMatches(*load.object.meshes[i], c.meshes[i]);
    }
}

TEST(ObjectLoader, TextureCoordinatesAreFlippedInS)
{
    SLoad load;
    loadFromBytes(makeObr({makeTriangleMesh()}), load);
    ASSERT_TRUE(load.ok);
    const float *st = load.object.meshes[0]->texCoords;
    EXPECT_EQ(st[0], 0.75f);
    EXPECT_EQ(st[1], 0.75f);
    EXPECT_EQ(st[2], 0.0f);
    EXPECT_EQ(st[3], 0.0f);
}

TEST(ObjectLoader, CorruptFilesAreRefusedWhole)
{
    std::vector<unsigned char> two = makeObr({makeTriangleMesh(), makeQuadMesh()});
    auto withInt = [](std::vector<unsigned char> bytes, size_t offset, int32_t value) {
        memcpy(bytes.data() + offset, &value, 4);
        return bytes;
    };
    auto cut = [](const std::vector<unsigned char> &bytes, size_t size) {
        return std::vector<unsigned char>(bytes.begin(), bytes.begin() + size);
    };
    SObrMesh badIndex = makeTriangleMesh();
    badIndex.indices = {0, 1, 3};
    SObrMesh negativeIndex = makeTriangleMesh();
    negativeIndex.indices = {0, -1, 2};
    // Offsets in `two`: meshCount 0, first mesh's V 4, F 8, L 12, its vertices 16.
    const size_t secondMesh = 4 + 12 + 3 * 20 + 12;
    struct SCase {
        const char *name;
        std::vector<unsigned char> bytes;
    };
    std::vector<SCase> cases = {
        {"empty", {}},
        {"count cut short", cut(two, 3)},
        {"negative mesh count", withInt(two, 0, -1)},
        {"mesh count beyond the file", withInt(two, 0, 1000000000)},
        {"mesh count one too many", withInt(two, 0, 3)},
        {"negative vertex count", withInt(two, 4, -3)},
        {"negative face count", withInt(two, 8, -1)},
        {"negative block length", withInt(two, 12, -4)},
        {"block longer than the file", withInt(two, 12, 0x7fffffff)},
        {"vertex count beyond the file", withInt(two, 4, 0x7fffffff)},
        {"face count beyond the file", withInt(two, 8, 0x7fffffff)},
        {"vertices cut short", cut(two, 16 + 50)},
        {"faces cut short", cut(two, secondMesh - 1)},
        {"second mesh cut short", cut(two, secondMesh + 20)},
        {"face index equal to vertex count", makeObr({badIndex})},
        {"negative face index", makeObr({makeQuadMesh(), negativeIndex})},
    };
    for (const SCase &c : cases) {
        SCOPED_TRACE(c.name);
        SLoad load;
        loadFromBytes(c.bytes, load);
        EXPECT_FALSE(load.ok);
        ASSERT_EQ(load.boxes.size(), 1u);
        EXPECT_EQ(load.boxes[0].text, "Corrupt object file");
        EXPECT_EQ(load.boxes[0].caption, "COLVBrush::loadFromFile");
        EXPECT_EQ(load.object.meshCount, 0);
        EXPECT_TRUE(load.object.meshes.empty());
    }
}

TEST(ObjectLoader, StreamThatCannotTellItsSizeIsRefused)
{
    CMessageBoxRecorder recorder;
    FILE *file = openPipe(makeObr({makeTriangleMesh()}));
    ASSERT_NE(file, nullptr);
    COLVBrush object;
    EXPECT_FALSE(object.loadFromStream(file));
    fclose(file);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "Corrupt object file");
    EXPECT_EQ(object.meshCount, 0);
}

TEST(ObjectLoader, LoadFromFileReadsAFileAndReportsAMissingOne)
{
    std::string path = writeScratchFile("two.obr", makeObr({makeTriangleMesh(), makeQuadMesh()}));
    CMessageBoxRecorder recorder;
    COLVBrush object;
    EXPECT_TRUE(object.loadFromFile(path.c_str()));
    EXPECT_EQ(object.meshCount, 2);

    COLVBrush missing;
    EXPECT_FALSE(missing.loadFromFile("data/objects/none.obr"));
    EXPECT_EQ(missing.meshCount, 0);
    EXPECT_TRUE(missing.meshes.empty());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "Unable to open object file");
    EXPECT_EQ(recorder.boxes[0].caption, "COLVBrush::loadFromFile");
}

TEST(ObjectLoader, NonFiniteAndHugeFloatsAreKeptAsData)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    SObrMesh mesh;
    mesh.vertices = {{nan, 0, 0, nan, inf}, {inf, -inf, 0, 0, 0}, {3e38f, -3e38f, 3e38f, 1e30f, 0},
                     {0, 0, 0, 0, 0}, {1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}};
    mesh.indices = {0, 1, 2, 3, 4, 5};
    SLoad load;
    loadFromBytes(makeObr({mesh}), load);
    ASSERT_TRUE(load.ok);
    CMesh &loaded = *load.object.meshes[0];
    EXPECT_TRUE(std::isnan(loaded.positions[0]));
    loaded.computeNormals();
    loaded.scale(2.0f);
    loaded.invert();
    // The finite triangle beside them still gets its normal.
    EXPECT_EQ(loaded.normals[3].z, 1.0f);
}

TEST(ObjectLoader, RegressionInputsDoNotCrash)
{
    CMessageBoxRecorder recorder;
    for (const std::string &path : regressionFiles("obr")) {
        SCOPED_TRACE(path);
        COLVBrush object;
        if (object.loadFromFile(path.c_str())) {
            EXPECT_EQ(object.meshes.size(), static_cast<size_t>(object.meshCount));
            for (CMesh *mesh : object.meshes) mesh->computeNormals();
        } else {
            EXPECT_EQ(object.meshCount, 0);
        }
    }
}
}  // namespace
