#include "platform/av_library.h"

#include "platform/dynlib.h"

#include <cstdio>
#include <dlfcn.h>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>
#include <vector>

namespace bafo {

#define BAFO_SONAME(lib, major) "lib" lib ".so." AV_STRINGIFY(major)
const char* const AvLibrary::kFormat = BAFO_SONAME("avformat", LIBAVFORMAT_VERSION_MAJOR);
const char* const AvLibrary::kCodec = BAFO_SONAME("avcodec", LIBAVCODEC_VERSION_MAJOR);
const char* const AvLibrary::kUtil = BAFO_SONAME("avutil", LIBAVUTIL_VERSION_MAJOR);
#undef BAFO_SONAME

namespace {

std::unique_ptr<AvLibrary> load(const std::string& format, const std::string& codec, const std::string& util)
{
    auto av = std::make_unique<AvLibrary>();
    std::vector<DynSymbol> util_symbols, codec_symbols, format_symbols;
#define BAFO_AV_SYMBOL(lib, name) lib##_symbols.push_back(dyn_symbol(#name, av->name));
    BAFO_AV_FUNCTIONS(BAFO_AV_SYMBOL)
#undef BAFO_AV_SYMBOL
    // Each library needs the one before it; all three stay loaded for the life
    // of the process once they are all there. Bound lazily, as a linked library
    // would be: 25 ms instead of 30 for the first clip.
    std::string why;
    void* util_h = dyn_open(util, util_symbols, why);
    void* codec_h = util_h ? dyn_open(codec, codec_symbols, why) : nullptr;
    void* format_h = codec_h ? dyn_open(format, format_symbols, why) : nullptr;
    if (!format_h) {
        std::fprintf(stderr, "bafolino: no clips: %s\n", why.c_str());
        for (void* h : {codec_h, util_h})
            if (h)
                dlclose(h);
        return nullptr;
    }
    av->av_log_set_level(AV_LOG_QUIET);
    return av;
}

}  // namespace

const AvLibrary* AvLibrary::get(const std::string& format, const std::string& codec, const std::string& util)
{
    // A failure is remembered too: one try per run, not one per clip.
    static std::mutex lock;
    static std::map<std::tuple<std::string, std::string, std::string>, std::unique_ptr<AvLibrary>> loaded;
    std::lock_guard<std::mutex> hold(lock);
    auto key = std::make_tuple(format, codec, util);
    auto it = loaded.find(key);
    if (it == loaded.end())
        it = loaded.emplace(key, load(format, codec, util)).first;
    return it->second.get();
}

}  // namespace bafo
