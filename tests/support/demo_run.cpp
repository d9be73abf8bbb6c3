#include "demo_run.h"

#include "platform/host.h"
#include "platform/platform.h"

int runDemoVirtual(double framesPerSecond, DemoFrameCheck onSwap)
{
    hostUseOffscreenVideo(true);
    hostUseVirtualClock(1.0 / framesPerSecond);
    hostSetSoundOutput(false);
    hostSetSwapHook(onSwap);
    int result = WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
    hostSetSwapHook(nullptr);
    return result;
}
