// Video of a capture: raw frames piped to the ffmpeg program, with the track.
#pragma once

#include <cstdio>
#include <string>

class CVideoWriter {
public:
    CVideoWriter();
    ~CVideoWriter();

    // audioPath may be empty or missing: the video is then silent.
    bool open(const std::string &path, const std::string &audioPath, int width, int height, double fps);
    bool writeFrame(const unsigned char *rgba, size_t bytes);
    // True when ffmpeg finished the file without an error.
    bool close();

private:
    FILE *pipe;
    bool failed;
};
