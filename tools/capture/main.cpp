// fjolbar-capture: runs the unchanged demo on a virtual clock with no display
// and no sound, and writes chosen frames as PNG files, a contact sheet or a video.
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/demo.h"
#include "image_out.h"
#include "options.h"
#include "picker.h"
#include "platform/host.h"
#include "platform/platform.h"
#include "video.h"

namespace {
// Before the demo's static objects: the flash list's message box, if any,
// must not wait for a click.
struct SStderrBoxesFirst {
    SStderrBoxesFirst() { hostUseStderrMessageBoxes(); }
};
__attribute__((init_priority(101))) SStderrBoxesFirst g_stderrBoxesFirst;

std::string frameName(const std::string &dir, double t)
{
    char name[32];
    std::snprintf(name, sizeof name, "t%07.3f.png", t);
    return dir + "/" + name;
}

class CCapture {
public:
    explicit CCapture(const SCaptureOptions &o) : options(o), picker(o.times), swaps(0), ok(true) {}

    void onSwap(const unsigned char *rgba, int width, int height)
    {
        // The first swap presents the loading screen, before the clock runs.
        if (swaps++ == 0)
            return;
        const size_t bytes = static_cast<size_t>(width) * height * 4;
        for (const CFramePicker::SPick &pick : picker.feed(g_time))
            keep(pick, pick.current ? rgba : previous.data(), width, height);
        if (videoOpen && (options.until < 0.0 || g_time <= options.until))
            ok = video.writeFrame(rgba, bytes) && ok;
        previous.assign(rgba, rgba + bytes);
        frameWidth = width;
        frameHeight = height;
        if (picker.done() && (!videoOpen || (options.until >= 0.0 && g_time >= options.until)))
            PostQuitMessage(0);
    }

    void finish()
    {
        for (const CFramePicker::SPick &pick : picker.finish())
            keep(pick, previous.data(), frameWidth, frameHeight);
    }

    void keep(const CFramePicker::SPick &pick, const unsigned char *rgba, int width, int height)
    {
        const double t = picker.times[pick.index];
        const std::string path = frameName(options.outDir, t);
        if (!writeFramePng(path, rgba, width, height)) {
            std::fprintf(stderr, "fjolbar-capture: cannot write %s\n", path.c_str());
            ok = false;
        }
        if (!options.sheetPath.empty())
            sheetFrames.emplace_back(rgba, rgba + static_cast<size_t>(width) * height * 4);
    }

    const SCaptureOptions &options;
    CFramePicker picker;
    CVideoWriter video;
    bool videoOpen = false;
    std::vector<unsigned char> previous;
    std::vector<std::vector<unsigned char>> sheetFrames;
    int frameWidth = 0;
    int frameHeight = 0;
    int swaps;
    bool ok;
};
}  // namespace

int main(int argc, char **argv)
{
    SCaptureOptions options;
    std::string error;
    if (!parseCaptureOptions(argc, argv, options, error)) {
        if (!error.empty())
            std::fprintf(stderr, "fjolbar-capture: %s\n", error.c_str());
        std::fputs(kCaptureUsage, error.empty() ? stdout : stderr);
        return error.empty() ? 0 : 2;
    }
    if (!options.times.empty())
        mkdir(options.outDir.c_str(), 0777);

    CCapture capture(options);
    if (!options.videoPath.empty()) {
        capture.videoOpen = capture.video.open(options.videoPath, "data/music/velmora.mp3",
                                                       800, 600, options.fps);
        if (!capture.videoOpen) {
            std::fprintf(stderr, "fjolbar-capture: cannot start ffmpeg\n");
            return 1;
        }
    }

    hostUseOffscreenVideo(true);
    hostUseVirtualClock(1.0 / options.fps);
    hostSetSoundOutput(false);
    hostSetSwapHook([&capture](const unsigned char *rgba, int width, int height) {
        capture.onSwap(rgba, width, height);
    });
    int result = WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
    hostSetSwapHook(nullptr);
    if (result != 0) {
        std::fprintf(stderr, "fjolbar-capture: the demo could not start (status %d)\n", result);
        return 1;
    }
    capture.finish();

    bool ok = capture.ok;
    if (capture.videoOpen && !capture.video.close()) {
        std::fprintf(stderr, "fjolbar-capture: ffmpeg failed to write %s\n", options.videoPath.c_str());
        ok = false;
    }
    if (!options.sheetPath.empty() &&
        !writeContactSheet(options.sheetPath, capture.sheetFrames, capture.frameWidth,
                           capture.frameHeight, 4, 4)) {
        std::fprintf(stderr, "fjolbar-capture: cannot write %s\n", options.sheetPath.c_str());
        ok = false;
    }
    return ok ? 0 : 1;
}
