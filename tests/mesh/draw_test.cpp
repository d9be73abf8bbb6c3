// Mesh drawing on the offscreen GL context: both paths give the same picture,
// textures are bound per mesh and the client arrays are left disabled.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "image/memory_file.h"
#include "mesh/obr_fixture.h"
#include "mesh/olvbrush.h"
#include "support/gl_context.h"
#include "support/message_boxes.h"

namespace {
GLuint makeCheckerTexture()
{
    const unsigned char texels[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return name;
}

GLuint boundTexture()
{
    GLint name = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return static_cast<GLuint>(name);
}

void expectClientArraysOff()
{
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
}

class MeshDraw : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.ok());
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 800.0 / 600.0, 1.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0, 0, -5);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT1);
        glEnable(GL_NORMALIZE);
        const GLfloat position[] = {1, 2, 3, 1};
        glLightfv(GL_LIGHT1, GL_POSITION, position);
        // Unlike light 0, light 1 starts without any diffuse colour.
        const GLfloat white[] = {1, 1, 1, 1};
        glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
        glEnable(GL_TEXTURE_2D);
        glClearColor(0, 0, 0, 1);
    }

    // A fan of two triangles whose four corners carry four different normals.
    void load(COLVBrush &object, int meshes = 1)
    {
        SObrMesh mesh;
        mesh.vertices = {{-1.5f, -1, 0, 0, 0}, {1.5f, -1, 0, 1, 0}, {1.5f, 1, 0, 1, 1}, {-1.5f, 1, 0, 0, 1}};
        mesh.indices = {0, 1, 2, 0, 2, 3};
        const std::vector<unsigned char> bytes = makeObr(std::vector<SObrMesh>(meshes, mesh));
        FILE *file = openMemory(bytes);
        ASSERT_TRUE(object.loadFromStream(file));
        fclose(file);
        const CVector normals[] = {{-1, -1, 1}, {1, -0.5f, 1}, {0.3f, 1, 0.2f}, {-0.2f, 0.7f, 1}};
        for (CMesh *m : object.meshes)
            for (int k = 0; k < 4; ++k) m->normals[k] = normals[k];
    }

    std::vector<unsigned char> render(COLVBrush &object, bool immediate)
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (immediate) object.drawImmediate();
        else object.draw();
        return context.readPixels();
    }

    CTestGLContext context;
};

TEST_F(MeshDraw, BothPathsDrawTheSamePixels)
{
    COLVBrush object;
    load(object);
    object.meshes[0]->setTexture(makeCheckerTexture());
    std::vector<unsigned char> arrays = render(object, false);
    expectClientArraysOff();
    std::vector<unsigned char> immediate = render(object, true);
    ASSERT_EQ(arrays.size(), immediate.size());
    int differing = 0;
    int lit = 0;
    for (size_t i = 0; i < arrays.size(); ++i) {
        if (std::abs(arrays[i] - immediate[i]) > 1) ++differing;
        if (i % 4 != 3 && arrays[i] > 20) ++lit;
    }
    EXPECT_EQ(differing, 0);
    // The picture is not empty: the textured, lit quad covers much of the window.
    EXPECT_GT(lit, 100000);
}

TEST_F(MeshDraw, EachMeshBindsItsTextureAndTheLastStaysBound)
{
    COLVBrush object;
    load(object, 2);
    GLuint a = makeCheckerTexture();
    GLuint b = makeCheckerTexture();
    object.meshes[0]->setTexture(a);
    object.meshes[1]->setTexture(b);
    glBindTexture(GL_TEXTURE_2D, 0);
    object.draw();
    EXPECT_EQ(boundTexture(), b);
    glBindTexture(GL_TEXTURE_2D, 0);
    object.drawImmediate();
    EXPECT_EQ(boundTexture(), b);
}

TEST_F(MeshDraw, EmptyObjectAndMeshWithoutFacesDrawNothing)
{
    GLuint kept = makeCheckerTexture();
    COLVBrush empty;
    const std::vector<unsigned char> bytes = makeObr({});
    FILE *file = openMemory(bytes);
    ASSERT_TRUE(empty.loadFromStream(file));
    fclose(file);
    std::vector<unsigned char> before = render(empty, false);
    EXPECT_EQ(boundTexture(), kept);
    EXPECT_EQ(render(empty, true), before);

    COLVBrush object;
    load(object);
    object.meshes[0]->faceCount = 0;
    EXPECT_EQ(render(object, false), before);
    expectClientArraysOff();
    EXPECT_EQ(render(object, true), before);
}

TEST_F(MeshDraw, InPlaceChangesShowInTheNextDraw)
{
    COLVBrush object;
    load(object);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    unsigned char rgba[4];
    render(object, false);
    context.pixel(400, 300, rgba);
    EXPECT_GT(rgba[0], 0);
    // Push every vertex far to the left: the centre of the window empties.
    for (int k = 0; k < 4; ++k) object.meshes[0]->positions[k * 3] -= 10.0f;
    render(object, false);
    context.pixel(400, 300, rgba);
    EXPECT_EQ(rgba[0], 0);
}

TEST_F(MeshDraw, NonFinitePositionsDrawWithoutHarm)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    SObrMesh mesh;
    mesh.vertices = {{nan, 0, 0, 0, 0}, {inf, 1, 0, nan, 0}, {3e38f, -3e38f, 1, 0, inf}, {0, 0, 0, 0, 0}};
    mesh.indices = {0, 1, 2, 2, 3, 0, 3, 3, 3};
    COLVBrush object;
    const std::vector<unsigned char> bytes = makeObr({mesh});
    FILE *file = openMemory(bytes);
    ASSERT_TRUE(object.loadFromStream(file));
    fclose(file);
    object.meshes[0]->computeNormals();
    render(object, false);
    render(object, true);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
}  // namespace
