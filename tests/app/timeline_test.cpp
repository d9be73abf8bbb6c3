// Which scene each demo time falls in, at and around every bound.
#include <gtest/gtest.h>

#include <cmath>

#include "app/demo.h"

namespace {
float below(float t) { return std::nextafter(t, 0.0f); }
float above(float t) { return std::nextafter(t, 1000.0f); }

struct SSlotCase {
    float time;
    int slot;
};
}  // namespace

TEST(Timeline, SlotOfEveryBound)
{
    const SSlotCase cases[] = {
        {-0.004f, 0},
        {0.0f, 0},               // exactly on the first bound: no scene
        {above(0.0f), 1},
        {below(24.0f), 1},
        {24.0f, 0},              // a float can hold 24 exactly
        {above(24.0f), 2},
        {39.3f, 2},              // the float nearest 39.3 lies below it
        {above(39.3f), 3},
        {below(69.8f), 3},
        {69.8f, 4},              // the float nearest 69.8 lies above it
        {89.2f, 4},              // 89.19999695 is still the corridor
        {above(89.2f), 5},
        {below(103.8f), 5},
        {103.8f, 6},             // 103.80000305 is already the finale
        {below(149.8f), 6},
        {149.8f, 7},             // 149.80000305 is past the end
        {200.0f, 7},
    };
    for (const SSlotCase &c : cases)
        EXPECT_EQ(timelineSlot(c.time), c.slot) << "time " << c.time;
}

TEST(Timeline, NearestFloatsLieWhereTheSlotsNeedThem)
{
    EXPECT_LT(static_cast<double>(39.3f), 39.3);
    EXPECT_GT(static_cast<double>(69.8f), 69.8);
}
