// Chooses, from frames arriving in time order, the one nearest each time asked for.
#pragma once

#include <cstddef>
#include <vector>

class CFramePicker {
public:
    explicit CFramePicker(std::vector<double> times);

    // Feed one frame at demo time t. Returns the indices of the asked-for
    // times whose nearest frame is now known: either this frame (`current`
    // true) or the one fed before it.
    struct SPick {
        size_t index;
        bool current;
    };
    std::vector<SPick> feed(double t);
    // The timeline ended: every time still open takes the last frame.
    std::vector<SPick> finish();
    bool done() const { return next == times.size(); }

    std::vector<double> times;

private:
    size_t next;
    bool havePrevious;
    double previous;
};
