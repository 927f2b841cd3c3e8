#include "desktop.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vib::shell {

bool CheckDisplay(const char* program) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::strncmp(platform, "xcb", 3) != 0 &&
        std::strncmp(platform, "wayland", 7) != 0)
        return true;  // offscreen, vnc and the like need no display
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((x11 && *x11) || (wayland && *wayland)) return true;
    std::fprintf(stderr,
                 "%s: no display found (DISPLAY and WAYLAND_DISPLAY are not set); start it in a "
                 "desktop session or under xvfb-run.\n",
                 program);
    return false;
}

}  // namespace vib::shell
