// Command line of fjolbar-capture.
#pragma once

#include <string>
#include <vector>

struct SCaptureOptions {
    std::vector<double> times;  // demo times to write as PNG, ascending
    std::string outDir = ".";
    double fps = 60.0;
    std::string videoPath;      // whole timeline (or up to `until`) as video
    std::string sheetPath;      // the --at frames side by side in one PNG
    double until = -1.0;        // stop the video here; negative: end of the timeline
};

// False with a message in `error` when the command line cannot be used.
bool parseCaptureOptions(int argc, char **argv, SCaptureOptions &options, std::string &error);

extern const char *const kCaptureUsage;
