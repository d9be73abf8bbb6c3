// JPEG reader: the report on the standard output stream, packed rows,
// greyscale, and refusal of files the library cannot decode.
#include <gtest/gtest.h>

#include <cstdlib>

#include "image/jpeg.h"
#include "image/jpeg_fixture.h"
#include "image/memory_file.h"
#include "support/message_boxes.h"

namespace {
struct SLoad {
    bool ok;
    Cjpeg image;
    std::string out;
    std::string err;
    std::vector<SMessageBox> boxes;
};

void loadPath(const std::string &path, SLoad &load)
{
    CMessageBoxRecorder recorder;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    load.ok = load.image.loadImage(path.c_str());
    load.err = testing::internal::GetCapturedStderr();
    load.out = testing::internal::GetCapturedStdout();
    load.boxes = recorder.boxes;
}

TEST(Jpeg, ReportsEveryLoadLineByLine)
{
    std::string path = writeScratchFile("sub/odd.jpg", makeJpeg(5, 3, 3));
    SLoad load;
    loadPath(path, load);
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.out, "Loading " + path + "\nWidth: 5\nHeight: 3\nbpp: 24\n\n");
    EXPECT_TRUE(load.boxes.empty());
    EXPECT_EQ(load.image.width, 5);
    EXPECT_EQ(load.image.height, 3);
    EXPECT_EQ(load.image.bpp, 24);
    // 15 bytes a row: packed, no padding to 4.
    EXPECT_EQ(load.image.rowStride, 15);
    ASSERT_NE(load.image.data, nullptr);
}

TEST(Jpeg, DecodesTopRowFirstInRgbOrder)
{
    // Quality 100 keeps the smooth gradient within a few levels of what was encoded.
    std::string path = writeScratchFile("gradient.jpg", makeJpeg(16, 16, 3, 100));
    SLoad load;
    loadPath(path, load);
    ASSERT_TRUE(load.ok);
    for (int y : {0, 7, 15}) {
        for (int x : {0, 9}) {
            for (int c = 0; c < 3; ++c) {
                int expected = (x * 4 + y * 6 + c * 40) & 0xff;
                int got = load.image.data[y * load.image.rowStride + x * 3 + c];
                EXPECT_NEAR(got, expected, 8) << x << "," << y << " c" << c;
            }
        }
    }
}

TEST(Jpeg, GreyscaleHasOneSamplePerPixel)
{
    std::string path = writeScratchFile("grey.jpg", makeJpeg(7, 4, 1));
    SLoad load;
    loadPath(path, load);
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.image.bpp, 8);
    EXPECT_EQ(load.image.rowStride, 7);
    EXPECT_EQ(load.out, "Loading " + path + "\nWidth: 7\nHeight: 4\nbpp: 8\n\n");
}

TEST(Jpeg, MissingFileShowsOneMessageAndNoReport)
{
    SLoad load;
    loadPath("data/no/such.jpg", load);
    EXPECT_FALSE(load.ok);
    ASSERT_EQ(load.boxes.size(), 1u);
    EXPECT_EQ(load.boxes[0].text, "Unable to open data/no/such.jpg");
    EXPECT_EQ(load.boxes[0].caption, "Cjpeg::loadImage()");
    EXPECT_EQ(load.out, "");
    EXPECT_EQ(load.image.data, nullptr);
}

TEST(Jpeg, UndecodableFilesAreRefusedWithTheLibrarysMessage)
{
    std::vector<unsigned char> valid = makeJpeg(8, 8, 3);
    std::vector<unsigned char> huge = valid;
    setJpegSize(huge, 20000, 20000);
    std::vector<unsigned char> wide = valid;
    setJpegSize(wide, 16385, 8);
    struct SCase {
        const char *name;
        std::vector<unsigned char> bytes;
        bool libraryMessage;
    };
    std::vector<SCase> cases = {
        {"empty", {}, true},
        {"text", {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'}, true},
        {"header cut", std::vector<unsigned char>(valid.begin(), valid.begin() + 30), true},
        {"four components", makeJpeg(8, 8, 4), false},
        {"claims 20000 x 20000", huge, false},
        {"one past the widest", wide, false},
    };
    for (const SCase &c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = writeScratchFile("bad.jpg", c.bytes);
        SLoad load;
        loadPath(path, load);
        EXPECT_FALSE(load.ok);
        ASSERT_EQ(load.boxes.size(), 1u);
        EXPECT_EQ(load.boxes[0].text, "Unable to decode " + path);
        EXPECT_EQ(load.boxes[0].caption, "Cjpeg::loadImage()");
        EXPECT_EQ(load.out, "");
        EXPECT_EQ(load.image.data, nullptr);
        // The library's own message still reaches the standard error stream.
        if (c.libraryMessage) {
            EXPECT_NE(load.err, "");
        }
    }
}

TEST(Jpeg, DamagedDataIsAWarningAndStillLoads)
{
    std::vector<unsigned char> file = makeJpeg(64, 64, 3);
    file.resize(file.size() / 2);
    std::string path = writeScratchFile("half.jpg", file);
    SLoad load;
    loadPath(path, load);
    EXPECT_TRUE(load.ok);
    EXPECT_TRUE(load.boxes.empty());
    EXPECT_EQ(load.image.width, 64);
    EXPECT_NE(load.err, "");
}

TEST(Jpeg, ReleaseFreesThePixels)
{
    std::string path = writeScratchFile("small.jpg", makeJpeg(2, 2, 3));
    SLoad load;
    loadPath(path, load);
    ASSERT_TRUE(load.ok);
    load.image.release();
    EXPECT_EQ(load.image.data, nullptr);
    load.image.release();
}

TEST(Jpeg, RegressionInputsDoNotCrash)
{
    for (const std::string &path : regressionFiles("jpeg")) {
        SCOPED_TRACE(path);
        SLoad load;
        loadPath(path, load);
        EXPECT_EQ(load.ok, load.image.data != nullptr);
    }
}
}  // namespace
