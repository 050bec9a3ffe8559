// For the tests that run on the real clock: the real platform recording when
// it hands the window a frame, and whether timings mean anything in this build.
#pragma once

#include "platform/sdl_platform.h"
#include "services/globals.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>
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
        if (!m_in_part)
            presents.push_back(now_ms());
        SdlPlatform::present(f);
    }
    // A frame that redraws part of the window is a frame too.
    void present_rect(const Surface& f, const Rect& r) override
    {
        presents.push_back(now_ms());
        m_in_part = true;
        SdlPlatform::present_rect(f, r);
        m_in_part = false;
    }

private:
    bool m_in_part = false;
};

// The fixture of the tests timed on the real clock (run by themselves, after
// the rest): the real platform on the dummy drivers, the program's state reset.
// One class for every file: a test suite has one fixture.
class RealClock : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!kTimingsMeaningful)
            GTEST_SKIP() << "timings are measured in the optimised build";
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(sdl.init());
        set_platform(&sdl);
        ASSERT_TRUE(sdl.open_window("Bafolino", false));
        ui::App::get().reset();
        reset_globals();
        cesta_dat = cesta_hry = tree.dir.path();
    }
    void TearDown() override
    {
        ui::App::get().reset();
        set_platform(nullptr);
    }
    template <class T>
    T& open()
    {
        T& f = ui::App::get().form<T>();
        ui::App::get().show(f);
        ui::App::get().dispatch_pending();
        return f;
    }
    MiniTree tree;
    TimedSdl sdl;
};

}  // namespace bafo::test

