// Frame cost per scene, start-up time by step, and heap allocations made
// during the timeline's frames, at 800 x 600 on the offscreen (software) driver.
//   fjolbar_frames_bench frames    per-scene median / p99 ms, whole-timeline fps
//   fjolbar_frames_bench startup   window, loading screen, music, textures, objects
//   fjolbar_frames_bench allocs    operator new calls while the timeline runs
// Each mode is its own process: the scenes keep their clocks in statics.
#include <dlfcn.h>
#include <execinfo.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "app/assets.h"
#include "app/demo.h"
#include "music/fmod.h"
#include "platform/host.h"
#include "platform/platform.h"
#include "scenes/scenes.h"
#include "window/glwindow.h"

using Clock = std::chrono::steady_clock;

namespace {

struct SProcessStart {
    SProcessStart() : at(Clock::now()) { hostUseStderrMessageBoxes(); }
    Clock::time_point at;
};
__attribute__((init_priority(101))) SProcessStart g_processStart;

double msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// --- allocation watch: operator new only (Mesa's own mallocs are not ours) ---
std::atomic<bool> g_watchAllocations(false);
std::atomic<long> g_ownAllocations(0);
std::atomic<long> g_foreignAllocations(0);
const int kCallerSlots = 64;
void *g_callers[kCallerSlots];
std::atomic<int> g_callerCount(0);
const void *g_programBase = nullptr;
const void *g_cxxLibraryBase = nullptr;

const void *objectBase(const void *address)
{
    Dl_info info;
    return dladdr(address, &info) ? info.dli_fbase : nullptr;
}

void prepareAllocationWatch()
{
    void *frames[4];
    backtrace(frames, 4);  // loads the unwinder now, not inside a counted call
    g_programBase = objectBase(reinterpret_cast<const void *>(&prepareAllocationWatch));
    g_cxxLibraryBase = objectBase(reinterpret_cast<const void *>(&std::terminate));
}

// Our code is what calls operator new directly or through the C++ library;
// allocations whose first caller outside that library is Mesa, LLVM or SDL
// are theirs, even when our GL call is further up the stack.
__attribute__((noinline)) void noteAllocation()
{
    if (!g_watchAllocations.load(std::memory_order_relaxed))
        return;
    // Only the timeline's frames: after the clock starts, before the end.
    if (!(g_time > 0.0f) || g_done)
        return;
    void *frames[16];
    const int depth = backtrace(frames, 16);
    for (int i = 2; i < depth; ++i) {
        const void *base = objectBase(frames[i]);
        if (base == g_cxxLibraryBase)
            continue;
        if (base != g_programBase) {
            g_foreignAllocations.fetch_add(1);
            return;
        }
        g_ownAllocations.fetch_add(1);
        const int slot = g_callerCount.fetch_add(1);
        if (slot < kCallerSlots)
            g_callers[slot] = frames[i];
        return;
    }
}

void *allocate(std::size_t size)
{
    void *p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    return p;
}

const char *const kSceneNames[] = {"none (t <= 0 or on a bound)", "intro", "spheres", "tunnel",
                                   "barrels", "greetings", "room: opening", "end",
                                   "room: glow branch"};
const int kSceneSlots = 9;

// The timeline's slot for demo time t; the finale's two branches cost very
// differently, so the glow branch counts as a slot of its own.
int sceneOf(float t)
{
    const int slot = timelineSlot(t);
    if (slot == 6 && static_cast<double>(g_roomClock - g_frameDelta) > 15.4)
        return 8;
    return slot;
}

double percentile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, static_cast<size_t>(q * (v.size() - 1) + 0.5));
    return v[i];
}

int runFrames()
{
    std::vector<double> costs[kSceneSlots];
    std::vector<double> readbacks;
    std::vector<unsigned char> scratch(800 * 600 * 4);
    int swaps = 0;
    double firstFrameMs = 0.0;
    Clock::time_point last;
    const Clock::time_point runStart = Clock::now();

    hostUseOffscreenVideo(true);
    hostUseVirtualClock(1.0 / 60.0);
    hostSetSoundOutput(false);
    hostSetSwapHook([&](const unsigned char *, int, int) {
        const Clock::time_point now = Clock::now();
        if (swaps == 1)
            firstFrameMs = msBetween(g_processStart.at, now);
        if (swaps >= 1)
            costs[sceneOf(g_time)].push_back(msBetween(last, now));
        // The layer reads every frame back for this hook; time one such read.
        if (swaps % 30 == 0) {
            const Clock::time_point r0 = Clock::now();
            glReadPixels(0, 0, 800, 600, GL_RGBA, GL_UNSIGNED_BYTE, scratch.data());
            readbacks.push_back(msBetween(r0, Clock::now()));
        }
        ++swaps;
        last = Clock::now();
    });
    const int status = WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
    hostSetSwapHook(nullptr);

    double total = 0.0;
    size_t frames = 0;
    std::printf("frame cost at 800x600, virtual clock 60 fps, real time per frame (ms):\n");
    std::printf("%-28s %7s %8s %8s %8s\n", "scene", "frames", "median", "p99", "max");
    for (int s = 0; s < kSceneSlots; ++s) {
        for (double c : costs[s])
            total += c;
        frames += costs[s].size();
        if (costs[s].empty())
            continue;
        std::printf("%-28s %7zu %8.2f %8.2f %8.2f\n", kSceneNames[s], costs[s].size(),
                    percentile(costs[s], 0.5), percentile(costs[s], 0.99),
                    percentile(costs[s], 1.0));
    }
    std::printf("whole timeline: %zu frames in %.1f s, %.1f frames per second\n", frames,
                total / 1000.0, frames / (total / 1000.0));
    std::printf("of which per frame the layer's read-back for the hook: median %.2f ms\n",
                percentile(readbacks, 0.5));
    std::printf("process start to first timeline frame presented: %.0f ms\n", firstFrameMs);
    std::printf("run %.1f s, WinMain returned %d\n", msBetween(runStart, Clock::now()) / 1000.0,
                status);
    return status;
}

int runStartup()
{
    // A real mixer on SDL's silent driver, so the track is decoded as in the demo.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    hostUseOffscreenVideo(true);
    hostSetSoundOutput(true);

    const Clock::time_point t0 = Clock::now();
    g_window = new CGLWindow();
    g_window->initWindow(800, 600, true, GetModuleHandleA(nullptr));
    g_window->setupGL();
    const Clock::time_point t1 = Clock::now();
    drawLoadingScreen();
    const Clock::time_point t2 = Clock::now();
    const bool music = g_music.init("data/music/velmora.mp3");
    const Clock::time_point t3 = Clock::now();
    loadTextures();
    const Clock::time_point t4 = Clock::now();
    loadObjects();
    const Clock::time_point t5 = Clock::now();

    std::printf("start-up (ms), the demo's calls in the demo's order:\n");
    std::printf("  before WinMain (static objects, flash list): %8.1f\n",
                msBetween(g_processStart.at, t0));
    std::printf("  window and fixed GL state:                   %8.1f\n", msBetween(t0, t1));
    std::printf("  loading screen (one JPEG, one frame):        %8.1f\n", msBetween(t1, t2));
    std::printf("  music (%s):                  %8.1f\n", music ? "track decoded " : "init failed   ",
                msBetween(t2, t3));
    std::printf("  textures (25):                               %8.1f\n", msBetween(t3, t4));
    std::printf("  objects (9, with mesh preparation):          %8.1f\n", msBetween(t4, t5));
    std::printf("  total to the clock's start:                  %8.1f\n",
                msBetween(g_processStart.at, t5));
    g_music.close();
    g_window->killWindow();
    delete g_window;
    g_window = nullptr;
    return 0;
}

int runAllocations()
{
    hostUseOffscreenVideo(true);
    hostUseVirtualClock(1.0 / 60.0);
    hostSetSoundOutput(false);
    prepareAllocationWatch();
    g_watchAllocations = true;
    const int status = WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
    g_watchAllocations = false;

    std::printf("operator new calls during the timeline's frames (60 fps, no swap hook):\n");
    std::printf("  made by our code (demo and platform layer): %ld\n", g_ownAllocations.load());
    std::printf("  made inside Mesa, LLVM or SDL:              %ld\n",
                g_foreignAllocations.load());
    const int shown = std::min(g_callerCount.load(), kCallerSlots);
    for (int i = 0; i < shown; ++i) {
        Dl_info info;
        std::memset(&info, 0, sizeof info);
        dladdr(g_callers[i], &info);
        std::printf("  from %p %s\n", g_callers[i], info.dli_sname ? info.dli_sname : "?");
    }
    return status;
}

} // namespace

__attribute__((noinline)) void *operator new(std::size_t size)
{
    noteAllocation();
    return allocate(size);
}
__attribute__((noinline)) void *operator new[](std::size_t size)
{
    noteAllocation();
    return allocate(size);
}
__attribute__((noinline)) void operator delete(void *p) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete[](void *p) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete(void *p, std::size_t) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete[](void *p, std::size_t) noexcept { std::free(p); }

int main(int argc, char **argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "frames")
        return runFrames();
    if (mode == "startup")
        return runStartup();
    if (mode == "allocs")
        return runAllocations();
    std::fprintf(stderr, "usage: %s frames|startup|allocs (run in the build folder)\n", argv[0]);
    return 2;
}
