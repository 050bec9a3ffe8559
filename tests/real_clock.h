// For the tests that run on the real clock: the real platform recording when
// it hands the window a frame, and whether timings mean anything in this build.
#pragma once

#include "platform/sdl_platform.h"

#include <vector>

namespace bafo::test {

// Real-time budgets mean nothing in the unoptimised sanitizer build.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kTimingsMeaningful = false;
#else
inline constexpr bool kTimingsMeaningful = true;
#endif

// Times of the frames the window was handed.
struct TimedSdl : SdlPlatform {
    std::vector<uint32_t> presents;
    void present(const Surface& f) override
    {
        presents.push_back(now_ms());
        SdlPlatform::present(f);
    }
};

}  // namespace bafo::test
