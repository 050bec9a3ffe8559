#include "platform/trace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace bafo {

namespace {

struct TraceFile {
    FILE* f = nullptr;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    TraceFile() { open(); }
    ~TraceFile()
    {
        if (f)
            std::fclose(f);
    }
    void open()
    {
        if (f)
            std::fclose(f);
        f = nullptr;
        if (const char* p = std::getenv("BAFO_TRACE"); p && *p)
            f = std::fopen(p, "a");
    }
};

TraceFile& file()
{
    static TraceFile t;
    return t;
}

}  // namespace

void trace(const std::string& event)
{
    TraceFile& t = file();
    if (!t.f)
        return;
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t.start)
                  .count();
    std::fprintf(t.f, "%lld %s\n", (long long)ms, event.c_str());
    std::fflush(t.f);
}

void trace_start()
{
    auto epoch = std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::system_clock::now().time_since_epoch())
                     .count();
    file().start = std::chrono::steady_clock::now();
    trace("start " + std::to_string(epoch));
}

void trace_reset()
{
    file().open();
}

}  // namespace bafo
