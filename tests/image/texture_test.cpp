// Texture factory on the offscreen GL context: uploads, parameters, alignment
// and what a failed load leaves behind.
#include <gtest/gtest.h>

#include "image/jpeg.h"
#include "image/jpeg_fixture.h"
#include "image/memory_file.h"
#include "image/texture.h"
#include "image/tga_fixture.h"
#include "support/gl_context.h"
#include "support/message_boxes.h"

namespace {
GLint integer(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

GLint levelParameter(GLenum name)
{
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, name, &value);
    return value;
}

std::vector<unsigned char> boundTexels(GLenum format, int components)
{
    const int w = levelParameter(GL_TEXTURE_WIDTH);
    const int h = levelParameter(GL_TEXTURE_HEIGHT);
    std::vector<unsigned char> texels(static_cast<size_t>(w) * h * components);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

GLint textureParameter(GLenum name)
{
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

class Texture : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(context.ok()); }
    CTestGLContext context;
    CMessageBoxRecorder recorder;
};

TEST_F(Texture, FirstJpegWithOddRowsUploadsPackedAndLeavesAlignmentOne)
{
    std::string path = writeScratchFile("odd.jpg", makeJpeg(5, 3, 3));
    EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 4);
    testing::internal::CaptureStdout();
    GLuint name = loadJpegTexture(path.c_str());
    Cjpeg reference;
    reference.loadImage(path.c_str());
    testing::internal::GetCapturedStdout();
    ASSERT_NE(name, 0u);
    EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 1);
    EXPECT_EQ(static_cast<GLuint>(integer(GL_TEXTURE_BINDING_2D)), name);
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 5);
    EXPECT_EQ(levelParameter(GL_TEXTURE_HEIGHT), 3);
    EXPECT_EQ(boundTexels(GL_RGB, 3), std::vector<unsigned char>(reference.data, reference.data + 45));
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
}

TEST_F(Texture, GreyscaleJpegBecomesGreyRgb)
{
    std::string path = writeScratchFile("grey.jpg", makeJpeg(3, 2, 1));
    testing::internal::CaptureStdout();
    GLuint name = loadJpegTexture(path.c_str());
    Cjpeg reference;
    reference.loadImage(path.c_str());
    testing::internal::GetCapturedStdout();
    ASSERT_NE(name, 0u);
    std::vector<unsigned char> texels = boundTexels(GL_RGB, 3);
    ASSERT_EQ(texels.size(), 18u);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(texels[k * 3], reference.data[k]);
        EXPECT_EQ(texels[k * 3 + 1], reference.data[k]);
        EXPECT_EQ(texels[k * 3 + 2], reference.data[k]);
    }
}

TEST_F(Texture, SameFileTwiceGivesTwoNames)
{
    std::string jpeg = writeScratchFile("twice.jpg", makeJpeg(4, 4, 3));
    std::string tga = writeScratchFile("twice.tga", makeCountingTga(2, 2, 32));
    testing::internal::CaptureStdout();
    GLuint a = loadJpegTexture(jpeg.c_str());
    GLuint b = loadJpegTexture(jpeg.c_str());
    testing::internal::GetCapturedStdout();
    GLuint c = loadTgaTexture(tga.c_str());
    GLuint d = loadTgaTexture(tga.c_str());
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    EXPECT_NE(c, 0u);
    EXPECT_NE(c, d);
    EXPECT_NE(b, c);
}

// The 1 x 2 RGB image has 3-byte rows: read under 4-byte alignment its second
// row would come from past the buffer.
TEST_F(Texture, TgaAlphaIsOneForRgbAndKeptForRgba)
{
    std::string rgb = writeScratchFile("rgb.tga", makeTga(1, 2, 24, {1, 2, 3, 4, 5, 6}));
    std::string rgba = writeScratchFile("rgba.tga", makeTga(2, 1, 32, {1, 2, 3, 40, 5, 6, 7, 80}));
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    ASSERT_NE(loadTgaTexture(rgb.c_str()), 0u);
    EXPECT_EQ(levelParameter(GL_TEXTURE_INTERNAL_FORMAT), 4);
    EXPECT_EQ(boundTexels(GL_RGBA, 4), (std::vector<unsigned char>{3, 2, 1, 255, 6, 5, 4, 255}));
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_MODULATE);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    ASSERT_NE(loadTgaTexture(rgba.c_str()), 0u);
    EXPECT_EQ(boundTexels(GL_RGBA, 4), (std::vector<unsigned char>{3, 2, 1, 40, 7, 6, 5, 80}));
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(Texture, BlankTextureIsBlackAndSquare)
{
    GLuint name = createBlankTexture(256);
    ASSERT_NE(name, 0u);
    EXPECT_EQ(static_cast<GLuint>(integer(GL_TEXTURE_BINDING_2D)), name);
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 256);
    EXPECT_EQ(levelParameter(GL_TEXTURE_HEIGHT), 256);
    std::vector<unsigned char> texels = boundTexels(GL_RGB, 3);
    EXPECT_EQ(texels, std::vector<unsigned char>(256 * 256 * 3, 0));
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

TEST_F(Texture, FailedLoadsReturnZeroAndLeaveBindingAndAlignment)
{
    std::string badJpeg = writeScratchFile("bad.jpg", {'x', 'y', 'z'});
    std::string badTga = writeScratchFile("bad.tga", makeTga(2, 2, 16, {}));
    std::string shortTga = writeScratchFile("short.tga", makeTga(2, 2, 24, {1, 2}));
    GLuint kept = 0;
    glGenTextures(1, &kept);
    glBindTexture(GL_TEXTURE_2D, kept);
    testing::internal::CaptureStderr();
    EXPECT_EQ(loadJpegTexture("data/missing.jpg"), 0u);
    EXPECT_EQ(loadJpegTexture(badJpeg.c_str()), 0u);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(loadTgaTexture("data/missing.tga"), 0u);
    EXPECT_EQ(loadTgaTexture(badTga.c_str()), 0u);
    EXPECT_EQ(loadTgaTexture(shortTga.c_str()), 0u);
    EXPECT_EQ(static_cast<GLuint>(integer(GL_TEXTURE_BINDING_2D)), kept);
    EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 4);
    ASSERT_EQ(recorder.boxes.size(), 4u);
    EXPECT_EQ(recorder.boxes[1].text, "Unable to decode " + badJpeg);
    EXPECT_EQ(recorder.boxes[2].text, "Unsupported TGA depth");
    EXPECT_EQ(recorder.boxes[3].text, "Corrupt TGA file");
}

TEST_F(Texture, BindTextureBindsWithoutEnablingTexturing)
{
    GLuint name = createBlankTexture(4);
    bindTexture(0);
    glDisable(GL_TEXTURE_2D);
    bindTexture(name);
    EXPECT_EQ(static_cast<GLuint>(integer(GL_TEXTURE_BINDING_2D)), name);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}
}  // namespace
