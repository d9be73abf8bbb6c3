// Display modes: the desktop's mode, and the full-screen mode the demo asks
// for, which stays virtual (an off-screen framebuffer scaled to the desktop)
// so that the physical mode is never changed.
#include <cstring>

#include "platform/layer.h"

SLayerDisplay &layerDisplay()
{
    static SLayerDisplay *display = new SLayerDisplay;
    return *display;
}

BOOL EnumDisplaySettingsA(LPCSTR deviceName, DWORD modeNum, DEVMODEA *mode)
{
    if (deviceName || modeNum != ENUM_CURRENT_SETTINGS || !mode)
        return FALSE;
    if (!layerVideoReady())
        return FALSE;
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0)
        return FALSE;
    int bits = SDL_BITSPERPIXEL(desktop.format);
    if (bits <= 0 || bits == 24)
        bits = 32;  // 24-bit visuals are 32 bits per pixel in memory
    const WORD size = mode->dmSize;
    std::memset(mode, 0, sizeof(*mode));
    mode->dmSize = size ? size : static_cast<WORD>(sizeof(*mode));
    mode->dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    mode->dmBitsPerPel = static_cast<DWORD>(bits);
    mode->dmPelsWidth = static_cast<DWORD>(desktop.w);
    mode->dmPelsHeight = static_cast<DWORD>(desktop.h);
    mode->dmDisplayFrequency = static_cast<DWORD>(desktop.refresh_rate);
    return TRUE;
}

LONG ChangeDisplaySettingsA(DEVMODEA *mode, DWORD flags)
{
    SLayerDisplay &display = layerDisplay();
    if (!mode) {
        // Back to the desktop mode, which was never left.
        display = SLayerDisplay();
        return DISP_CHANGE_SUCCESSFUL;
    }
    if (!(flags & CDS_FULLSCREEN) || !(mode->dmFields & DM_PELSWIDTH) ||
        !(mode->dmFields & DM_PELSHEIGHT))
        return DISP_CHANGE_FAILED;
    if (mode->dmPelsWidth == 0 || mode->dmPelsHeight == 0 || mode->dmPelsWidth > 16384 ||
        mode->dmPelsHeight > 16384)
        return DISP_CHANGE_FAILED;
    if (!layerVideoReady())
        return DISP_CHANGE_FAILED;
    display.width = static_cast<int>(mode->dmPelsWidth);
    display.height = static_cast<int>(mode->dmPelsHeight);
    return DISP_CHANGE_SUCCESSFUL;
}

int ShowCursor(BOOL show)
{
    // Win32 keeps a display counter; the cursor shows while it is >= 0.
    static int counter = 0;
    counter += show ? 1 : -1;
    if (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_ShowCursor(counter >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return counter;
}

void layerResetDisplay()
{
    layerDisplay() = SLayerDisplay();
}
