// TGA reader: byte swaps, row order, unsupported depths and every refusal.
#include <gtest/gtest.h>

#include "image/memory_file.h"
#include "image/tga.h"
#include "image/tga_fixture.h"
#include "support/message_boxes.h"

namespace {
struct SLoad {
    bool ok;
    CTGA image;
    std::vector<SMessageBox> boxes;
};

void loadFromBytes(const std::vector<unsigned char> &bytes, SLoad &load)
{
    CMessageBoxRecorder recorder;
    FILE *file = openMemory(bytes);
    ASSERT_NE(file, nullptr);
    load.ok = load.image.loadFromStream(file, "mem.tga");
    fclose(file);
    load.boxes = recorder.boxes;
}

TEST(Tga, SwapsBlueAndRedAndKeepsAlphaAndRowOrder)
{
    struct SCase {
        int depth;
        GLenum format;
    };
    for (SCase c : {SCase{24, GL_RGB}, SCase{32, GL_RGBA}}) {
        SCOPED_TRACE(c.depth);
        const int pixelSize = c.depth / 8;
        std::vector<unsigned char> file = makeCountingTga(3, 2, c.depth);
        SLoad load;
        loadFromBytes(file, load);
        ASSERT_TRUE(load.ok);
        EXPECT_TRUE(load.boxes.empty());
        EXPECT_EQ(load.image.width, 3);
        EXPECT_EQ(load.image.height, 2);
        EXPECT_EQ(load.image.bpp, c.depth);
        EXPECT_EQ(load.image.format, c.format);
        EXPECT_EQ(load.image.fileName, "mem.tga");
        // Pixel k of the file holds B, G, R (, A) = k*size, k*size+1, ...: rows stay in
        // file order, only the first and third byte of each pixel change places.
        for (int k = 0; k < 6; ++k) {
            const unsigned char *p = load.image.data + k * pixelSize;
            const int first = k * pixelSize;
            EXPECT_EQ(p[0], first + 2);
            EXPECT_EQ(p[1], first + 1);
            EXPECT_EQ(p[2], first);
            if (pixelSize == 4) {
                EXPECT_EQ(p[3], first + 3);
            }
        }
    }
}

TEST(Tga, SinglePixelExamples)
{
    SLoad rgb;
    loadFromBytes(makeTga(1, 1, 24, {1, 2, 3}), rgb);
    ASSERT_TRUE(rgb.ok);
    EXPECT_EQ(std::vector<unsigned char>(rgb.image.data, rgb.image.data + 3),
              (std::vector<unsigned char>{3, 2, 1}));
    SLoad rgba;
    loadFromBytes(makeTga(1, 1, 32, {1, 2, 3, 4}), rgba);
    ASSERT_TRUE(rgba.ok);
    EXPECT_EQ(std::vector<unsigned char>(rgba.image.data, rgba.image.data + 4),
              (std::vector<unsigned char>{3, 2, 1, 4}));
}

TEST(Tga, UnsupportedDepthsShowTheDepthMessage)
{
    for (int depth : {0, 8, 15, 16, 31, 255}) {
        SCOPED_TRACE(depth);
        SLoad load;
        loadFromBytes(makeTga(2, 2, depth, std::vector<unsigned char>(64, 7)), load);
        EXPECT_FALSE(load.ok);
        ASSERT_EQ(load.boxes.size(), 1u);
        EXPECT_EQ(load.boxes[0].text, "Unsupported TGA depth");
        EXPECT_EQ(load.boxes[0].caption, "CTGA::loadImage()");
        EXPECT_EQ(load.image.bpp, depth);
        EXPECT_EQ(load.image.width, 2);
        EXPECT_EQ(load.image.data, nullptr);
    }
}

TEST(Tga, CorruptFilesAreRefused)
{
    std::vector<unsigned char> valid = makeCountingTga(4, 3, 24);
    struct SCase {
        const char *name;
        std::vector<unsigned char> bytes;
    };
    std::vector<SCase> cases = {
        {"empty", {}},
        {"header cut after 12 bytes", std::vector<unsigned char>(valid.begin(), valid.begin() + 12)},
        {"header cut at 17 bytes", std::vector<unsigned char>(valid.begin(), valid.begin() + 17)},
        {"pixels one byte short", std::vector<unsigned char>(valid.begin(), valid.end() - 1)},
        {"no pixels", std::vector<unsigned char>(valid.begin(), valid.begin() + 18)},
        {"width 0", makeTga(0, 3, 24, std::vector<unsigned char>(36, 1))},
        {"height 0", makeTga(4, 0, 32, std::vector<unsigned char>(48, 1))},
        // 65535 x 65535 x 4 bytes does not fit in 32 bits.
        {"size beyond 32 bits", makeTga(65535, 65535, 32, std::vector<unsigned char>(64, 1))},
        {"size claims far more than the file", makeTga(4000, 4000, 24, std::vector<unsigned char>(64, 1))},
    };
    for (const SCase &c : cases) {
        SCOPED_TRACE(c.name);
        SLoad load;
        loadFromBytes(c.bytes, load);
        EXPECT_FALSE(load.ok);
        ASSERT_EQ(load.boxes.size(), 1u);
        EXPECT_EQ(load.boxes[0].text, "Corrupt TGA file");
        EXPECT_EQ(load.boxes[0].caption, "CTGA::loadImage()");
        EXPECT_EQ(load.image.data, nullptr);
    }
}

TEST(Tga, StreamThatCannotTellItsSizeIsRefused)
{
    CMessageBoxRecorder recorder;
    FILE *file = openPipe(makeCountingTga(2, 2, 24));
    ASSERT_NE(file, nullptr);
    CTGA image;
    EXPECT_FALSE(image.loadFromStream(file, "pipe"));
    fclose(file);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "Corrupt TGA file");
    EXPECT_EQ(image.data, nullptr);
}

TEST(Tga, HeaderFieldsOtherThanSizeAndDepthAreIgnored)
{
    // An ID length, a colour map and an RLE type are not honoured: the bytes after
    // offset 18 are still raw pixels, and trailing bytes are left unread.
    std::vector<unsigned char> file = makeTga(1, 1, 24, {10, 20, 30, 99, 99});
    file[0] = 3;
    file[1] = 1;
    file[2] = 10;
    file[17] = 0x20;
    SLoad load;
    loadFromBytes(file, load);
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.image.data[0], 30);
    EXPECT_EQ(load.image.data[2], 10);
}

TEST(Tga, LoadImageReadsAFileAndAMissingFileShowsNothing)
{
    std::string path = writeScratchFile("small.tga", makeTga(1, 1, 24, {1, 2, 3}));
    CMessageBoxRecorder recorder;
    CTGA image;
    EXPECT_TRUE(image.loadImage(path.c_str()));
    EXPECT_EQ(image.fileName, path);
    EXPECT_EQ(image.data[0], 3);

    CTGA missing;
    EXPECT_FALSE(missing.loadImage("data/no/such/file.tga"));
    EXPECT_EQ(missing.fileName, "data/no/such/file.tga");
    EXPECT_EQ(missing.data, nullptr);
    EXPECT_EQ(missing.width, 0);
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST(Tga, RegressionInputsDoNotCrash)
{
    CMessageBoxRecorder recorder;
    for (const std::string &path : regressionFiles("tga")) {
        SCOPED_TRACE(path);
        CTGA image;
        if (image.loadImage(path.c_str())) {
            ASSERT_NE(image.data, nullptr);
            EXPECT_GT(image.width, 0);
            EXPECT_GT(image.height, 0);
        }
    }
}
}  // namespace
