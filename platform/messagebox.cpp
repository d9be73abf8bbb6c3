// MessageBoxA: the host's sink, else a modal dialog, else the standard error
// stream when no dialog can be shown.
#include <cstdio>
#include <cstdlib>

#include "platform/layer.h"

namespace {
void writeToStderr(const char *text, const char *caption)
{
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
}
}  // namespace

bool layerDialogPossible()
{
    if (layerSettings().offscreenVideo)
        return false;
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    (void)type;  // only MB_OK is ever asked for
    if (!text)
        text = "";
    if (!caption)
        caption = "Error";
    const SLayerSettings &settings = layerSettings();
    if (settings.boxSink) {
        settings.boxSink(text, caption);
        return 1;
    }
    if (settings.stderrBoxes || !layerDialogPossible()) {
        writeToStderr(text, caption);
        return 1;
    }
    const SLayerWindow *window = layerFindWindow(owner);
    SDL_Window *parent = window ? window->sdl : nullptr;
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, parent) != 0)
        writeToStderr(text, caption);
    return 1;
}
