#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace bafo {

namespace {
Platform* g_platform = nullptr;
}

Platform& platform()
{
    if (!g_platform) {
        std::fprintf(stderr, "bafolino: no platform set\n");
        std::abort();
    }
    return *g_platform;
}

void set_platform(Platform* p)
{
    g_platform = p;
}

}  // namespace bafo
