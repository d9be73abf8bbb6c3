// The performance counter: the monotonic clock in nanoseconds, or the virtual
// clock that moves one frame period per presented frame.
#include <cmath>
#include <ctime>

#include "platform/layer.h"

namespace {
const int64_t kNanosecondsPerSecond = 1000000000;
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER *frequency)
{
    if (!frequency)
        return FALSE;
    frequency->QuadPart = kNanosecondsPerSecond;
    return TRUE;
}

BOOL QueryPerformanceCounter(LARGE_INTEGER *count)
{
    if (!count)
        return FALSE;
    const SLayerSettings &settings = layerSettings();
    if (settings.virtualClock) {
        // Computed from the frame count each time, so rounding never piles up.
        count->QuadPart = std::llround(static_cast<double>(settings.virtualFrames) *
                                       settings.framePeriod * kNanosecondsPerSecond);
        return TRUE;
    }
    timespec now;
    if (clock_gettime(CLOCK_MONOTONIC, &now) != 0)
        return FALSE;
    count->QuadPart = static_cast<int64_t>(now.tv_sec) * kNanosecondsPerSecond + now.tv_nsec;
    return TRUE;
}

void layerAdvanceClock()
{
    SLayerSettings &settings = layerSettings();
    if (settings.virtualClock)
        ++settings.virtualFrames;
}
