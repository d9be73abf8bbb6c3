// fjolbar-capture's command line and its choice of the nearest frames.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options.h"
#include "picker.h"

namespace {
bool parse(std::vector<std::string> args, SCaptureOptions &options, std::string &error)
{
    args.insert(args.begin(), "fjolbar-capture");
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    return parseCaptureOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}
}  // namespace

TEST(CaptureOptions, Accepted)
{
    SCaptureOptions o;
    std::string error;
    ASSERT_TRUE(parse({"--at", "75.25,0.5,30,30", "--out", "frames", "--fps", "30"}, o, error)) << error;
    EXPECT_EQ(o.times, (std::vector<double>{0.5, 30.0, 75.25}));
    EXPECT_EQ(o.outDir, "frames");
    EXPECT_EQ(o.fps, 30.0);

    SCaptureOptions v;
    ASSERT_TRUE(parse({"--video", "demo.mp4", "--until", "12"}, v, error)) << error;
    EXPECT_EQ(v.videoPath, "demo.mp4");
    EXPECT_EQ(v.until, 12.0);
    EXPECT_EQ(v.fps, 60.0);
}

TEST(CaptureOptions, Refused)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--at"},
        {"--at", ""},
        {"--at", "1,,2"},
        {"--at", "abc"},
        {"--at", "-1"},
        {"--at", "151"},
        {"--at", "nan"},
        {"--at", "1", "--fps", "0"},
        {"--at", "1", "--fps", "x"},
        {"--at", "1", "--bogus", "2"},
        {"--sheet", "s.png", "--video", "v.mp4"},
    };
    for (const auto &args : cases) {
        SCaptureOptions o;
        std::string error;
        EXPECT_FALSE(parse(args, o, error)) << (args.empty() ? "(none)" : args[0]);
        EXPECT_FALSE(error.empty());
    }
}

TEST(FramePicker, TakesTheNearestFrameOfEachTime)
{
    CFramePicker picker({0.5, 0.52, 1.0});
    EXPECT_TRUE(picker.feed(0.0).empty());
    EXPECT_TRUE(picker.feed(0.4).empty());
    // 0.5 is nearer 0.55 than 0.4; 0.52 is nearer 0.55 too.
    auto picks = picker.feed(0.55);
    ASSERT_EQ(picks.size(), 2u);
    EXPECT_TRUE(picks[0].current);
    EXPECT_TRUE(picks[1].current);
    EXPECT_TRUE(picker.feed(0.9).empty());
    // 1.0 is nearer the frame at 0.9 than the one at 1.2.
    picks = picker.feed(1.2);
    ASSERT_EQ(picks.size(), 1u);
    EXPECT_EQ(picks[0].index, 2u);
    EXPECT_FALSE(picks[0].current);
    EXPECT_TRUE(picker.done());
}

TEST(FramePicker, TimesPastTheLastFrameTakeIt)
{
    CFramePicker picker({149.9, 150.0});
    picker.feed(149.85);
    auto picks = picker.finish();
    ASSERT_EQ(picks.size(), 2u);
    EXPECT_FALSE(picks[0].current);
    EXPECT_TRUE(picker.done());
}
