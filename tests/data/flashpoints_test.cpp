// The flash list parses with the demo's reader, is sorted, lies inside the
// timeline on the beat grid, and marks every cut of the timeline.
#include <cmath>
#include <fstream>

#include <gtest/gtest.h>

#include "timer/timer.h"
#include "tools/datagen/beatgrid.h"

namespace {

std::vector<float> readFlashes()
{
    std::ifstream file("data/flashpoints");
    CTimer reader;
    reader.flashPoints.clear();
    reader.readPoints(file);
    return reader.flashPoints;
}

TEST(Flashpoints, ReadWholeSortedAndInsideTheTimeline)
{
    std::ifstream file("data/flashpoints");
    ASSERT_TRUE(file.good());
    int lines = 0;
    std::string line;
    while (std::getline(file, line))
        ++lines;
    const std::vector<float> flashes = readFlashes();
    // Every line is a number: the reader stops at the first thing that is not.
    ASSERT_EQ(int(flashes.size()), lines);
    ASSERT_GT(flashes.size(), 20u);
    for (size_t i = 0; i < flashes.size(); ++i) {
        EXPECT_GT(flashes[i], 0.0f);
        EXPECT_LT(flashes[i], kTimelineEnd);
        if (i > 0) {
            EXPECT_GT(flashes[i], flashes[i - 1]);
        }
    }
}

TEST(Flashpoints, LieOnTheBeatGrid)
{
    for (float t : readFlashes()) {
        const double beats = (t - kFirstDownbeat) / kBeat;
        EXPECT_NEAR(beats, std::round(beats), 1e-3) << t;
    }
}

TEST(Flashpoints, MarkEveryCutOfTheTimeline)
{
    const double cuts[] = {8.7, 12.5, 16.3, 20.1, 24.0, 39.3, 54.5, 62.2, 69.8, 89.2, 103.8,
                           119.2, 122.9, 126.7, 130.6, 134.5, 138.3, 142.1};
    const std::vector<float> flashes = readFlashes();
    for (double cut : cuts) {
        double nearest = 1e9;
        for (float t : flashes)
            nearest = std::min(nearest, std::fabs(t - cut));
        EXPECT_LE(nearest, kBeat / 2) << cut;
    }
}

} // namespace
