#include "picker.h"

#include <cmath>
#include <utility>

CFramePicker::CFramePicker(std::vector<double> asked)
    : times(std::move(asked)), next(0), havePrevious(false), previous(0.0)
{
}

std::vector<CFramePicker::SPick> CFramePicker::feed(double t)
{
    std::vector<SPick> picks;
    while (next < times.size() && t >= times[next]) {
        bool current = !havePrevious || std::fabs(t - times[next]) <= std::fabs(times[next] - previous);
        picks.push_back({next, current});
        next++;
    }
    havePrevious = true;
    previous = t;
    return picks;
}

std::vector<CFramePicker::SPick> CFramePicker::finish()
{
    std::vector<SPick> picks;
    for (; havePrevious && next < times.size(); next++)
        picks.push_back({next, false});
    return picks;
}
