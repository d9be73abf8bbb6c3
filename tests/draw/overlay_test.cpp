// Overlay and tint helpers on the offscreen GL context: the pixels they cover
// and, above all, the GL state each one leaves for the scenes.
#include <gtest/gtest.h>

#include "draw/overlay.h"
#include "support/gl_context.h"

namespace {
struct SCapability {
    GLenum name;
    const char *label;
};

const SCapability kTracked[] = {
    {GL_DEPTH_TEST, "depth test"}, {GL_LIGHTING, "lighting"},   {GL_TEXTURE_GEN_S, "texgen S"},
    {GL_TEXTURE_GEN_T, "texgen T"}, {GL_TEXTURE_2D, "texture 2D"}, {GL_BLEND, "blend"},
    {GL_FOG, "fog"},                {GL_CULL_FACE, "cull face"},
};

void setAll(bool on)
{
    for (const SCapability &c : kTracked) {
        if (on) glEnable(c.name);
        else glDisable(c.name);
    }
}

// Expected state of each tracked capability: 1 on, 0 off, -1 as it was (`before`).
void expectCapabilities(const int (&expected)[8], bool before)
{
    for (int i = 0; i < 8; ++i) {
        const bool want = expected[i] < 0 ? before : expected[i] == 1;
        EXPECT_EQ(glIsEnabled(kTracked[i].name) == GL_TRUE, want) << kTracked[i].label;
    }
}

GLint integer(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

std::vector<float> floats(GLenum name, int count)
{
    std::vector<float> values(count);
    glGetFloatv(name, values.data());
    return values;
}

// 2 x 2 texture, stored first row: red, green; second row: blue, white.
GLuint makeCornerTexture()
{
    const unsigned char texels[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return name;
}

class Overlay : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.ok());
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
    }

    unsigned char red(int x, int y)
    {
        unsigned char rgba[4];
        context.pixel(x, y, rgba);
        return rgba[0];
    }

    std::vector<unsigned char> rgb(int x, int y)
    {
        unsigned char rgba[4];
        context.pixel(x, y, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }

    CTestGLContext context;
};

TEST_F(Overlay, BeginSwitchesToPixelsAndEndRestores)
{
    for (bool before : {true, false}) {
        SCOPED_TRACE(before);
        setAll(before);
        glColor4f(0.25f, 0.5f, 0.75f, 0.125f);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 1.0, 1.0, 1000.0);
        const std::vector<float> projection = floats(GL_PROJECTION_MATRIX, 16);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(1, 2, 3);
        const std::vector<float> modelview = floats(GL_MODELVIEW_MATRIX, 16);

        beginOverlay(800, 600);
        expectCapabilities({0, 0, 0, 0, -1, -1, -1, -1}, before);
        EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
        EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 2);
        EXPECT_EQ(integer(GL_PROJECTION_STACK_DEPTH), 2);
        const std::vector<float> identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        EXPECT_EQ(floats(GL_MODELVIEW_MATRIX, 16), identity);
        const std::vector<float> ortho = {2.0f / 800, 0, 0, 0, 0, 2.0f / 600, 0, 0, 0, 0, -1, 0, -1, -1, 0, 1};
        std::vector<float> got = floats(GL_PROJECTION_MATRIX, 16);
        for (int i = 0; i < 16; ++i) EXPECT_NEAR(got[i], ortho[i], 1e-7f) << i;
        EXPECT_EQ(floats(GL_CURRENT_COLOR, 4), (std::vector<float>{0.25f, 0.5f, 0.75f, 0.125f}));

        endOverlay();
        expectCapabilities({1, 1, 0, 0, -1, -1, -1, -1}, before);
        EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
        EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
        EXPECT_EQ(integer(GL_PROJECTION_STACK_DEPTH), 1);
        EXPECT_EQ(floats(GL_MODELVIEW_MATRIX, 16), modelview);
        EXPECT_EQ(floats(GL_PROJECTION_MATRIX, 16), projection);
    }
}

TEST_F(Overlay, ImageQuadShowsTheFirstStoredRowAtTheTop)
{
    GLuint texture = makeCornerTexture();
    glColor4f(1, 1, 1, 1);
    glDisable(GL_BLEND);
    beginOverlay(800, 600);
    drawImageQuad(0, 0, 800, 600, texture);
    endOverlay();
    EXPECT_EQ(rgb(10, 590), (std::vector<unsigned char>{255, 0, 0}));
    EXPECT_EQ(rgb(790, 590), (std::vector<unsigned char>{0, 255, 0}));
    EXPECT_EQ(rgb(10, 10), (std::vector<unsigned char>{0, 0, 255}));
    EXPECT_EQ(rgb(790, 10), (std::vector<unsigned char>{255, 255, 255}));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(static_cast<GLuint>(integer(GL_TEXTURE_BINDING_2D)), texture);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(Overlay, BlendedImageQuadShowsTheFirstStoredRowAtTheBottom)
{
    GLuint texture = makeCornerTexture();
    glColor4f(0.2f, 0.2f, 0.2f, 0.1f);
    glBlendFunc(GL_ONE, GL_ONE);
    glDisable(GL_TEXTURE_2D);
    beginOverlay(800, 600);
    drawBlendedImageQuad(0, 0, 800, 600, texture);
    endOverlay();
    EXPECT_EQ(rgb(10, 10), (std::vector<unsigned char>{255, 0, 0}));
    EXPECT_EQ(rgb(790, 10), (std::vector<unsigned char>{0, 255, 0}));
    EXPECT_EQ(rgb(10, 590), (std::vector<unsigned char>{0, 0, 255}));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(integer(GL_BLEND_SRC), GL_SRC_ALPHA);
    EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(floats(GL_CURRENT_COLOR, 4), (std::vector<float>{1, 1, 1, 1}));
    EXPECT_EQ(static_cast<GLuint>(integer(GL_TEXTURE_BINDING_2D)), texture);
}

TEST_F(Overlay, RectanglesAreInWindowPixels)
{
    GLuint texture = makeCornerTexture();
    glColor4f(1, 1, 1, 1);
    struct SCase {
        const char *name;
        int x, y, w, h;
        bool cull;
        int insideX, insideY;  // -1: nothing may be drawn
    };
    for (const SCase &c : {
             SCase{"positive", 100, 50, 200, 100, false, 150, 100},
             SCase{"partly below the window", 400, -75, 100, 100, false, 450, 10},
             SCase{"negative width mirrors about x", 300, 100, -100, 50, false, 250, 120},
             SCase{"negative width is culled as a back face", 300, 100, -100, 50, true, -1, -1},
             SCase{"zero height", 100, 100, 200, 0, false, -1, -1},
         }) {
        SCOPED_TRACE(c.name);
        glClear(GL_COLOR_BUFFER_BIT);
        if (c.cull) glEnable(GL_CULL_FACE);
        else glDisable(GL_CULL_FACE);
        beginOverlay(800, 600);
        drawImageQuad(c.x, c.y, c.w, c.h, texture);
        endOverlay();
        std::vector<unsigned char> pixels = context.readPixels();
        size_t drawn = 0;
        for (size_t i = 0; i < pixels.size(); i += 4) drawn += (pixels[i] | pixels[i + 1] | pixels[i + 2]) != 0 ? 1 : 0;
        if (c.insideX < 0) {
            EXPECT_EQ(drawn, 0u);
        } else {
            EXPECT_NE(rgb(c.insideX, c.insideY), (std::vector<unsigned char>{0, 0, 0}));
            const int x0 = c.w < 0 ? c.x + c.w : c.x;
            const int y0 = c.y < 0 ? 0 : c.y;
            EXPECT_EQ(drawn, static_cast<size_t>(std::abs(c.w)) * (c.y + c.h - y0));
            EXPECT_EQ(rgb(x0 - 1, c.insideY), (std::vector<unsigned char>{0, 0, 0}));
        }
    }
    glDisable(GL_CULL_FACE);
}

TEST_F(Overlay, ImageQuadIsTranslucentOnlyWhenTheCallerBlends)
{
    GLuint texture = makeCornerTexture();
    for (bool blend : {true, false}) {
        SCOPED_TRACE(blend);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor4f(1, 1, 1, 0.5f);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        if (blend) glEnable(GL_BLEND);
        else glDisable(GL_BLEND);
        beginOverlay(800, 600);
        drawImageQuad(0, 0, 800, 600, texture);
        endOverlay();
        EXPECT_NEAR(red(10, 590), blend ? 128 : 255, 1);
    }
    glDisable(GL_BLEND);
}

TEST_F(Overlay, TintQuadCoversTheViewAndLeavesItsState)
{
    struct SCase {
        const char *name;
        double fov, aspect;
        float halfWidth, halfHeight;
    };
    for (const SCase &c : {SCase{"frame projection", 45, 1, 0.6f, 0.42f},
                           SCase{"window projection", 45, 4.0 / 3.0, 0.6f, 0.42f},
                           SCase{"room projection", 70, 1, 1, 1}}) {
        SCOPED_TRACE(c.name);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        setAll(true);
        // Fog is the caller's business: the tint quad is fogged like anything else.
        glDisable(GL_FOG);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(c.fov, c.aspect, 1.0, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(5, 0, -3);
        const std::vector<float> modelview = floats(GL_MODELVIEW_MATRIX, 16);
        glBlendFunc(GL_ONE, GL_ZERO);

        drawTintQuad(1, 0.5f, 0.25f, 1, c.halfWidth, c.halfHeight);

        for (int x : {0, 799})
            for (int y : {0, 599}) EXPECT_EQ(rgb(x, y), (std::vector<unsigned char>{255, 128, 64}));
        expectCapabilities({1, 1, 0, 0, 1, 0, 0, 1}, true);
        EXPECT_EQ(integer(GL_BLEND_SRC), GL_SRC_ALPHA);
        EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
        EXPECT_EQ(floats(GL_CURRENT_COLOR, 4), (std::vector<float>{1, 0.5f, 0.25f, 1}));
        EXPECT_EQ(floats(GL_MODELVIEW_MATRIX, 16), modelview);
        EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
    }
}

TEST_F(Overlay, TintQuadWithoutAlphaChangesNoPixel)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.0, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.2f, 0.4f, 0.6f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    const std::vector<unsigned char> before = context.readPixels();
    for (float alpha : {0.0f, -0.5f}) {
        drawTintQuad(1, 1, 1, alpha);
        EXPECT_EQ(context.readPixels(), before);
        EXPECT_EQ(floats(GL_CURRENT_COLOR, 4)[3], alpha);
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    }
}
}  // namespace
