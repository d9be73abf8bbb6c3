// The picture's place on screens of other shapes.
#include <gtest/gtest.h>

#include "platform/letterbox.h"

namespace {
struct SLetterboxCase {
    int targetWidth;
    int targetHeight;
    SLetterbox expected;
};

TEST(Letterbox, KeepsFourToThreeCentredOnEveryScreen)
{
    const SLetterboxCase cases[] = {
        {800, 600, {0, 0, 800, 600}},
        {1280, 720, {160, 0, 960, 720}},
        {1920, 1080, {240, 0, 1440, 1080}},
        {1024, 1280, {0, 256, 1024, 768}},  // portrait: bars above and below
        {1600, 1200, {0, 0, 1600, 1200}},
        {640, 480, {0, 0, 640, 480}},  // smaller than the picture
        {1366, 768, {171, 0, 1024, 768}},  // odd leftover split
    };
    for (const SLetterboxCase &c : cases) {
        SLetterbox box = letterboxRect(800, 600, c.targetWidth, c.targetHeight);
        SCOPED_TRACE(testing::Message() << c.targetWidth << "x" << c.targetHeight);
        EXPECT_EQ(box.x, c.expected.x);
        EXPECT_EQ(box.y, c.expected.y);
        EXPECT_EQ(box.width, c.expected.width);
        EXPECT_EQ(box.height, c.expected.height);
    }
}

TEST(Letterbox, EmptyWhenEitherSizeIsZero)
{
    SLetterbox minimised = letterboxRect(800, 600, 0, 0);
    EXPECT_EQ(minimised.width, 0);
    EXPECT_EQ(minimised.height, 0);
    SLetterbox noSource = letterboxRect(0, 600, 1280, 720);
    EXPECT_EQ(noSource.width, 0);
}
}  // namespace
