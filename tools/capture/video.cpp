#include "video.h"

#include <sys/stat.h>

#include <csignal>

namespace {
// Single quotes keep any path one word for the shell.
std::string shellQuote(const std::string &text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool fileExists(const std::string &path)
{
    struct stat info;
    return !path.empty() && stat(path.c_str(), &info) == 0;
}
}  // namespace

CVideoWriter::CVideoWriter() : pipe(nullptr), failed(false) {}

CVideoWriter::~CVideoWriter()
{
    close();
}

bool CVideoWriter::open(const std::string &path, const std::string &audioPath, int width, int height,
                        double fps)
{
    // A dead ffmpeg must end in an error message, not in SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    char size[32], rate[32];
    std::snprintf(size, sizeof size, "%dx%d", width, height);
    std::snprintf(rate, sizeof rate, "%.6f", fps);
    std::string command = "ffmpeg -nostdin -y -loglevel error -f rawvideo -pix_fmt rgba -s ";
    command += size;
    command += " -r ";
    command += rate;
    command += " -i -";
    const bool audio = fileExists(audioPath);
    if (audio)
        command += " -i " + shellQuote(audioPath);
    // GL rows come bottom first.
    command += " -vf vflip -c:v libx264 -preset veryfast -crf 18 -pix_fmt yuv420p";
    if (audio)
        command += " -c:a aac -b:a 192k -shortest";
    command += " " + shellQuote(path);
    pipe = popen(command.c_str(), "w");
    failed = pipe == nullptr;
    return !failed;
}

bool CVideoWriter::writeFrame(const unsigned char *rgba, size_t bytes)
{
    if (!pipe || failed)
        return false;
    failed = std::fwrite(rgba, 1, bytes, pipe) != bytes;
    return !failed;
}

bool CVideoWriter::close()
{
    if (!pipe)
        return !failed;
    int status = pclose(pipe);
    pipe = nullptr;
    failed = failed || status != 0;
    return !failed;
}
