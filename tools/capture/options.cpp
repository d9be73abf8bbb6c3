#include "options.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>

const char *const kCaptureUsage =
    "usage: fjolbar-capture [--at T1,T2,...] [--out DIR] [--fps N] [--sheet FILE.png]\n"
    "                       [--video FILE.mp4] [--until T]\n"
    "Runs the demo on a virtual clock in the folder that holds data/ and writes the\n"
    "frames nearest the demo times asked for as DIR/tSSS.mmm.png.\n";

namespace {
// The timeline ends just after 149.8 s; a little slack for the last frame.
const double kLastTime = 150.0;

bool parseNumber(const std::string &text, double &value)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return errno == 0 && end == text.c_str() + text.size() && std::isfinite(value);
}

bool parseTimes(const std::string &list, std::vector<double> &times, std::string &error)
{
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        double t;
        if (!parseNumber(item, t) || t < 0.0 || t > kLastTime) {
            error = "--at: '" + item + "' is not a demo time between 0 and 150";
            return false;
        }
        times.push_back(t);
    }
    if (times.empty()) {
        error = "--at: no times given";
        return false;
    }
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    return true;
}
}  // namespace

bool parseCaptureOptions(int argc, char **argv, SCaptureOptions &options, std::string &error)
{
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            error = "";
            return false;
        }
        if (i + 1 >= argc) {
            error = arg + ": a value is missing";
            return false;
        }
        std::string value = argv[++i];
        if (arg == "--at") {
            if (!parseTimes(value, options.times, error))
                return false;
        } else if (arg == "--out") {
            options.outDir = value;
        } else if (arg == "--fps") {
            if (!parseNumber(value, options.fps) || options.fps < 1.0 || options.fps > 1000.0) {
                error = "--fps: '" + value + "' is not a frame rate between 1 and 1000";
                return false;
            }
        } else if (arg == "--video") {
            options.videoPath = value;
        } else if (arg == "--sheet") {
            options.sheetPath = value;
        } else if (arg == "--until") {
            if (!parseNumber(value, options.until) || options.until <= 0.0) {
                error = "--until: '" + value + "' is not a positive demo time";
                return false;
            }
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    if (options.times.empty() && options.videoPath.empty()) {
        error = "nothing to capture: give --at or --video";
        return false;
    }
    if (!options.sheetPath.empty() && options.times.empty()) {
        error = "--sheet needs --at";
        return false;
    }
    return true;
}
