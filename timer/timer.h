// The demo clock over the performance counter, the flash times and the white
// flash overlay drawn over every frame.
#pragma once

#include <cstdint>
#include <istream>
#include <vector>

class CTimer {
public:
    CTimer();
    ~CTimer();

    double now();
    double elapsed();
    void start();
    bool loadPoints();
    // Appends every number up to the first non-number; always true.
    bool readPoints(std::istream &in);
    void drawFlash();

    int64_t counter;
    int64_t frequency;
    float secondsPerTick;
    float startTime;
    std::vector<float> flashPoints;
    int flashCount;
};

extern CTimer g_timer;
