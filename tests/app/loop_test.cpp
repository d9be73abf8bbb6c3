// The message loop driven through the real platform layer, with the offscreen
// driver and the virtual clock: each case is its own process (see CMakeLists).
#include <gtest/gtest.h>

#include <SDL.h>

#include "app/demo.h"
#include "support/demo_run.h"

namespace {
void pushKey(SDL_Keycode key)
{
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    event.key.state = SDL_PRESSED;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

void pushQuit()
{
    SDL_Event event = {};
    event.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

// Swap 0 is the loading screen; swaps 1, 2, ... are the timeline's frames.
struct SRun {
    int swaps = 0;
    float lastTime = 0.0f;
};
}  // namespace

TEST(Loop, EscapeEndsAfterOneMoreFrame)
{
    SRun run;
    int result = runDemoVirtual(60.0, [&](const unsigned char *, int, int) {
        if (run.swaps == 10)
            pushKey(SDLK_ESCAPE);
        run.swaps++;
    });
    EXPECT_EQ(result, 0);
    // The pass that takes the key renders one frame, the next takes WM_QUIT and renders none.
    EXPECT_EQ(run.swaps, 12);
}

TEST(Loop, OtherKeysDoNotEndIt)
{
    SRun run;
    int result = runDemoVirtual(60.0, [&](const unsigned char *, int, int) {
        if (run.swaps == 5)
            pushKey(SDLK_a);
        if (run.swaps == 5)
            pushKey(SDLK_SPACE);
        if (run.swaps == 40)
            pushKey(SDLK_ESCAPE);
        run.swaps++;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(run.swaps, 42);
}

TEST(Loop, ClosingTheWindowEndsItTheSameWay)
{
    SRun run;
    int result = runDemoVirtual(60.0, [&](const unsigned char *, int, int) {
        if (run.swaps == 20)
            pushQuit();
        run.swaps++;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(run.swaps, 22);
}

TEST(Loop, KeysQueuedDuringLoadingAreHandledOnePerFrame)
{
    SRun run;
    int result = runDemoVirtual(60.0, [&](const unsigned char *, int, int) {
        // The loading screen is presented before the assets load.
        if (run.swaps == 0) {
            pushKey(SDLK_a);
            pushKey(SDLK_b);
            pushKey(SDLK_ESCAPE);
        }
        run.swaps++;
    });
    EXPECT_EQ(result, 0);
    // Loading screen, then one frame each for a, b and Escape.
    EXPECT_EQ(run.swaps, 4);
}

TEST(Loop, TimelineEndsByItself)
{
    SRun run;
    int result = runDemoVirtual(4.0, [&](const unsigned char *, int, int) {
        run.lastTime = g_time;
        run.swaps++;
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(g_done);
    // The first frame past 149.8 s is still presented, and is the last.
    EXPECT_GT(run.lastTime, 149.8);
    EXPECT_LT(run.lastTime, 149.8 + 0.25 + 1e-3);
    EXPECT_EQ(run.swaps, 1 + 601);
}
