// The seams of host.h: test and capture hosts steer the layer through these.
#include "platform/host.h"

#include "platform/layer.h"

SLayerSettings &layerSettings()
{
    static SLayerSettings *settings = new SLayerSettings;
    return *settings;
}

void hostUseVirtualClock(double framePeriod)
{
    SLayerSettings &settings = layerSettings();
    settings.virtualClock = true;
    settings.framePeriod = framePeriod;
    settings.virtualFrames = 0;
}

void hostUseRealClock()
{
    layerSettings().virtualClock = false;
}

void hostUseOffscreenVideo(bool offscreen)
{
    layerSettings().offscreenVideo = offscreen;
}

void hostSetSwapHook(HostSwapHook hook)
{
    layerSettings().swapHook = std::move(hook);
}

void hostSetMessageBoxSink(HostMessageBoxSink sink)
{
    layerSettings().boxSink = std::move(sink);
}

void hostUseStderrMessageBoxes()
{
    layerSettings().stderrBoxes = true;
}

void hostSetSoundVersion(float version)
{
    layerSettings().soundVersion = version;
}

void hostSetSoundOutput(bool enabled)
{
    layerSettings().soundOutput = enabled;
}

void hostReset()
{
    layerResetContext();
    layerResetWindows();
    layerResetMessages();
    layerResetDisplay();
}
