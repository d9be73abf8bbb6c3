// Every picture of the data set opens through the demo's own readers at the
// expected power-of-two size and depth, and in an independent tool as well.
#include <cstdio>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "image/jpeg.h"
#include "image/tga.h"

namespace {

struct SImageCase {
    const char *path;
    int width;
    int height;
    bool tga; // 32-bit TGA with alpha; otherwise a colour JPEG
};

const SImageCase kImages[] = {
    {"data/backgrounds/loading.jpg", 1024, 512, false}, {"data/backgrounds/logo.jpg", 1024, 512, false},
    {"data/backgrounds/jente.jpg", 1024, 512, false},    {"data/textures/blank.jpg", 64, 64, false},
    {"data/textures/tonne.jpg", 512, 256, false},        {"data/textures/tvegg.jpg", 512, 256, false},
    {"data/textures/vegg.jpg", 256, 256, false},         {"data/textures/tak.jpg", 256, 256, false},
    {"data/textures/gulv.jpg", 256, 256, false},         {"data/textures/tunnel.jpg", 256, 256, false},
    {"data/textures/svarting.jpg", 256, 256, false},     {"data/textures/tunnel_overlay.jpg", 1024, 512, false},
    {"data/textures/greet_brimvale.tga", 512, 256, true}, {"data/textures/greet_ostinak.tga", 512, 256, true},
    {"data/textures/greet_fjellbo.tga", 512, 256, true}, {"data/textures/greet_kestral9.tga", 512, 256, true},
    {"data/textures/by_trosk.tga", 256, 256, true},      {"data/textures/by_plimb.tga", 256, 256, true},
    {"data/textures/by_dorsel.tga", 256, 256, true},     {"data/textures/by_quenn.tga", 256, 256, true},
    {"data/textures/by_varrik.tga", 256, 256, true},     {"data/textures/klosser_overlay.tga", 1024, 512, true},
    {"data/textures/tonner_overlay.tga", 1024, 512, true},
};

std::string run(const std::string &command)
{
    std::string out;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    pclose(pipe);
    return out;
}

class ImageFiles : public ::testing::TestWithParam<SImageCase> {};

TEST_P(ImageFiles, OpensInTheDemoReaderAtItsSize)
{
    const SImageCase &c = GetParam();
    if (c.tga) {
        auto tga = std::make_unique<CTGA>();
        ASSERT_TRUE(tga->loadImage(c.path));
        EXPECT_EQ(tga->width, c.width);
        EXPECT_EQ(tga->height, c.height);
        EXPECT_EQ(tga->bpp, 32);
        // Real alpha: some pixels fully see-through, some opaque.
        int clear = 0, solid = 0;
        for (int i = 0; i < tga->width * tga->height; ++i) {
            clear += tga->data[i * 4 + 3] == 0;
            solid += tga->data[i * 4 + 3] == 255;
        }
        EXPECT_GT(clear, 0);
        EXPECT_GT(solid, 0);
    } else {
        auto jpeg = std::make_unique<Cjpeg>();
        ASSERT_TRUE(jpeg->loadImage(c.path));
        EXPECT_EQ(jpeg->width, c.width);
        EXPECT_EQ(jpeg->height, c.height);
        EXPECT_EQ(jpeg->bpp, 24);
    }
}

TEST_P(ImageFiles, OpensInAnIndependentTool)
{
    const SImageCase &c = GetParam();
    const std::string expected =
        std::string(c.tga ? "TGA" : "JPEG") + " " + std::to_string(c.width) + "x" + std::to_string(c.height) + "\n";
    EXPECT_EQ(run(std::string("identify -format '%m %wx%h\\n' '") + c.path + "' 2>&1"), expected);
}

INSTANTIATE_TEST_SUITE_P(DataSet, ImageFiles, ::testing::ValuesIn(kImages));

// The TGAs lie with their bottom row first: the descriptor's origin bit is clear.
TEST(ImageFiles, TgaDescriptorSaysBottomRowFirst)
{
    for (const SImageCase &c : kImages) {
        if (!c.tga)
            continue;
        FILE *file = std::fopen(c.path, "rb");
        ASSERT_NE(file, nullptr) << c.path;
        unsigned char header[18];
        ASSERT_EQ(std::fread(header, 1, 18, file), 18u);
        std::fclose(file);
        EXPECT_EQ(header[2], 2) << c.path;
        EXPECT_EQ(header[17], 8) << c.path; // eight alpha bits, origin bottom left
    }
}

} // namespace
