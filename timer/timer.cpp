// Demo clock over the performance counter; flash times and the flash overlay.
#include "timer/timer.h"

#include <cmath>
#include <fstream>
#include <locale>

#include "draw/overlay.h"
#include "platform/platform.h"

CTimer::CTimer() : counter(0), frequency(0), secondsPerTick(0.0f), startTime(0.0f), flashCount(0)
{
    loadPoints();
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    frequency = value.QuadPart;
    secondsPerTick = static_cast<float>(1.0 / static_cast<double>(frequency));
}

CTimer::~CTimer() {}

double CTimer::now()
{
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    counter = value.QuadPart;
    return static_cast<double>(counter) * static_cast<double>(secondsPerTick);
}

double CTimer::elapsed()
{
    return now() - static_cast<double>(startTime);
}

void CTimer::start()
{
    startTime = static_cast<float>(now());
}

bool CTimer::loadPoints()
{
    std::ifstream file("data/flashpoints");
    if (!file) {
        MessageBoxA(nullptr, "Unable to open flashpoints", "CTimer::loadPoints", MB_OK);
        return false;
    }
    return readPoints(file);
}

bool CTimer::readPoints(std::istream &in)
{
    in.imbue(std::locale::classic());
    float point;
    while (in >> point)
        flashPoints.push_back(point);
    flashCount = static_cast<int>(flashPoints.size());
    return true;
}

void CTimer::drawFlash()
{
    float alpha = 0.0f;
    if (flashCount > 0) {
        double sum = 0.0;
        for (int i = 0; i < flashCount; i++) {
            double t = elapsed();
            double d = (t - static_cast<double>(flashPoints[i])) * 100.0;
            // Truncated in floating point: a far-off time must not overflow an int.
            double m = std::fabs(std::trunc(d));
            // Closer than a hundredth of a second is full strength, not 1 / 0.
            sum += m == 0.0 ? 1.0 : 1.0 / m;
        }
        alpha = static_cast<float>(sum);
    }
    drawTintQuad(1.0f, 1.0f, 1.0f, alpha);
}
