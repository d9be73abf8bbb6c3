// The program's entry point on this platform: checks for a display, then
// hands over to the demo's WinMain.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/platform.h"

namespace {
bool hasDesktop()
{
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}
}  // namespace

int main(int argc, char **argv)
{
    if (!hasDesktop()) {
        // The demo still starts, so that its own start-up reports the failure;
        // this line says why.
        std::fprintf(stderr,
                     "fjolbar: no display: neither DISPLAY nor WAYLAND_DISPLAY is set\n");
        std::fflush(stderr);
    }
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            commandLine += ' ';
        commandLine += argv[i];
    }
    return WinMain(GetModuleHandleA(nullptr), nullptr, &commandLine[0], SW_SHOWNORMAL);
}
