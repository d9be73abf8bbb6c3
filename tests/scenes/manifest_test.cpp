// The asset manifest: every texture loaded, every mesh prepared in its order,
// and no step applied to a mesh the object does not have.
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "app/assets.h"
#include "support/gl_context.h"
#include "support/message_boxes.h"

namespace fs = std::filesystem;

namespace {

GLuint *const kTextures[] = {
    &g_texBlank, &g_texTonne, &g_texTvegg, &g_texVegg, &g_texTak, &g_texGulv, &g_texTunnel,
    &g_texSvarting, &g_texGlow, &g_texGreetBrimvale, &g_texGreetBrimvale2, &g_texGreetOstinak,
    &g_texGreetFjellbo, &g_texGreetKestral9, &g_texByTrosk, &g_texByPlimb, &g_texByDorsel,
    &g_texByDorsel2, &g_texByQuenn, &g_texByVarrik, &g_texKlosserOverlay, &g_texTonnerOverlay,
    &g_texTunnelOverlay, &g_texLogo, &g_texJente};

// Every position of `mesh` is `factor` times the one in the file.
void expectScaledFromFile(const CMesh &mesh, const char *path, float factor)
{
    COLVBrush file;
    ASSERT_TRUE(file.loadFromFile(path)) << path;
    ASSERT_GE(file.meshCount, 1) << path;
    const CMesh &raw = *file.meshes[0];
    ASSERT_EQ(mesh.vertexCount, raw.vertexCount) << path;
    for (int k = 0; k < 3 * raw.vertexCount; ++k)
        ASSERT_FLOAT_EQ(mesh.positions[k], raw.positions[k] * factor) << path << " " << k;
}

void expectUnitNormals(const CMesh &mesh, const char *what)
{
    int unit = 0;
    for (int k = 0; k < mesh.vertexCount; ++k)
        unit += std::fabs(mesh.normals[k].length() - 1.0f) < 1e-4f ? 1 : 0;
    // Unreferenced or degenerate vertices may keep no normal.
    EXPECT_GT(unit, mesh.vertexCount * 9 / 10) << what;
}

TEST(AssetManifest, LoadsEveryTextureAndPreparesEveryMesh)
{
    CTestGLContext gl;
    ASSERT_TRUE(gl.ok());
    CMessageBoxRecorder boxes;
    loadAssets();
    EXPECT_TRUE(boxes.boxes.empty()) << boxes.boxes.front().caption << ": "
                                     << boxes.boxes.front().text;

    // Two loads of one file give two names.
    std::set<GLuint> names;
    for (GLuint *name : kTextures) {
        EXPECT_NE(*name, 0u);
        names.insert(*name);
    }
    EXPECT_EQ(names.size(), sizeof kTextures / sizeof kTextures[0]);

    struct SRow {
        COLVBrush *object;
        const char *path;
        float factor;
        GLuint texture;
        bool normals;
    } rows[] = {
        {&g_objSpikie, "data/objects/spikie.obr", 0.005f, g_texSvarting, true},
        {&g_objGsphere, "data/objects/gsphere.obr", -0.4f, g_texTunnel, true},
        {&g_objCube, "data/objects/cube.obr", 0.03f, g_texBlank, true},
        {&g_objHisphere, "data/objects/hisphere.obr", 0.12f, 0, true},
        {&g_objHisphereMorph, "data/objects/hisphere.obr", 0.12f, g_texBlank, true},
        {&g_objBildegrid, "data/objects/bildegrid.obr", 0.007f, g_texLogo, false},
        {&g_objTonne, "data/objects/tonne.obr", 0.1f, g_texTonne, true},
        {&g_objTunnel, "data/objects/tunnel.obr", -0.05f, g_texTunnel, true},
    };
    for (const SRow &row : rows) {
        ASSERT_GE(row.object->meshCount, 1) << row.path;
        const CMesh &mesh = *row.object->meshes[0];
        expectScaledFromFile(mesh, row.path, row.factor);
        EXPECT_EQ(mesh.texture, row.texture) << row.path;
        if (row.normals) {
            expectUnitNormals(mesh, row.path);
        } else {
            for (int k = 0; k < mesh.vertexCount; ++k)
                ASSERT_EQ(mesh.normals[k].length(), 0.0f) << row.path;
        }
    }
    // The two sphere loads are independent objects.
    EXPECT_NE(g_objHisphere.meshes[0]->positions, g_objHisphereMorph.meshes[0]->positions);

    ASSERT_GE(g_objRom.meshCount, 4);
    const GLuint romTextures[4] = {g_texVegg, g_texTvegg, g_texGulv, g_texTak};
    COLVBrush romFile;
    ASSERT_TRUE(romFile.loadFromFile("data/objects/rom.obr"));
    for (int i = 0; i < g_objRom.meshCount; ++i) {
        const CMesh &mesh = *g_objRom.meshes[i];
        if (i < 4) {
            EXPECT_EQ(mesh.texture, romTextures[i]) << "room mesh " << i;
        }
        for (int k = 0; k < 3 * mesh.vertexCount; ++k)
            ASSERT_FLOAT_EQ(mesh.positions[k], romFile.meshes[i]->positions[k] * 0.1f) << i;
        expectUnitNormals(mesh, "room mesh");
    }
}

// One triangle in one mesh: a room object with fewer meshes than the four
// the manifest textures.
void writeOneMeshObject(const fs::path &path)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const int header[4] = {1, 3, 1, 0};
    std::fwrite(header, sizeof header, 1, f);
    const float vertices[15] = {0, 0, 0, 0, 0, 10, 0, 0, 1, 0, 0, 10, 0, 0, 1};
    std::fwrite(vertices, sizeof vertices, 1, f);
    const int face[3] = {0, 1, 2};
    std::fwrite(face, sizeof face, 1, f);
    std::fclose(f);
}

TEST(AssetManifest, ShortObjectGetsOnlyTheMeshesItHas)
{
    CTestGLContext gl;
    ASSERT_TRUE(gl.ok());
    const fs::path home = fs::current_path();
    char name[] = "/tmp/fjolbar-manifest-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    const fs::path dir(name);
    fs::copy(home / "data", dir / "data", fs::copy_options::recursive);
    writeOneMeshObject(dir / "data/objects/rom.obr");
    fs::remove(dir / "data/objects/tunnel.obr");

    fs::current_path(dir);
    CMessageBoxRecorder boxes;
    loadAssets();
    fs::current_path(home);
    fs::remove_all(dir);

    ASSERT_EQ(g_objRom.meshCount, 1);
    const CMesh &mesh = *g_objRom.meshes[0];
    EXPECT_EQ(mesh.texture, g_texVegg);
    EXPECT_FLOAT_EQ(mesh.positions[3], 1.0f);
    EXPECT_NEAR(mesh.normals[0].z, 1.0f, 1e-6);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "COLVBrush::loadFromFile");
}

} // namespace
