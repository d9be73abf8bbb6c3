// Runs the whole unchanged demo in this process on the virtual clock, with the
// offscreen driver and no sound output. Once per process: the scenes keep
// their own clocks in statics.
#pragma once

#include <functional>

// onSwap sees every presented frame (RGBA, bottom row first) while the GL
// context is still current; g_time holds that frame's demo time.
using DemoFrameCheck = std::function<void(const unsigned char *rgba, int width, int height)>;

int runDemoVirtual(double framesPerSecond, DemoFrameCheck onSwap);
