// Fuzz target: the flash-time reader on arbitrary text.
#include <sstream>
#include <string>

#include "fuzz_support.h"
#include "timer/timer.h"

FJOLBAR_FUZZ_MESSAGE_BOX

// The clock is not under test; the timer only needs a frequency to divide by.
BOOL QueryPerformanceFrequency(LARGE_INTEGER *frequency)
{
    frequency->QuadPart = 1000000000;
    return TRUE;
}

BOOL QueryPerformanceCounter(LARGE_INTEGER *count)
{
    count->QuadPart = 0;
    return TRUE;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Its constructor reads data/flashpoints; the fuzzer's text replaces that list.
    CTimer timer;
    timer.flashPoints.clear();
    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    timer.readPoints(in);
    if (timer.flashCount != static_cast<int>(timer.flashPoints.size())) __builtin_trap();
    return 0;
}
