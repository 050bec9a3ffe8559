// The music studio shown on the fake platform: the fixture of its own tests
// and of the jukebox's, which opens over it.
#pragma once

#include "music/frm_klavir.h"
#include "services/globals.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

namespace bafo::test {

inline Point centre(const Rect& r)
{
    return {r.x + r.w / 2, r.y + r.h / 2};
}

class StudioOnFake : public ::testing::Test {
protected:
    void SetUp() override { tree.add_studio(); }
    void TearDown() override
    {
        fake.on_idle = nullptr;
        ui::App::get().reset();
        reset_globals();
        set_platform(nullptr);
    }
    // Shows the studio on the platform as its knobs stand.
    void open_studio()
    {
        set_platform(&fake);
        ui::App::get().reset();
        reset_globals();
        cesta_dat = cesta_hry = tree.dir.path();
        studio = &ui::App::get().form<FrmKlavir>();
        ui::App::get().show(*studio);
        ui::App::get().dispatch_pending();
        t = fake.now_ms();
    }
    void run_to(uint32_t at) { ui::App::get().wait_dispatch(t = at); }
    void click(Point p, uint32_t ms = 200)
    {
        fake.click(t + 1, p.x, p.y);
        run_to(t + ms);
    }
    void studio_icon(int i, uint32_t ms = 200) { click(centre(FrmKlavir::kIcons[i]), ms); }
    void key(int code, bool down, uint32_t at)
    {
        Event e;
        e.type = down ? Event::Type::KeyDown : Event::Type::KeyUp;
        e.key = code;
        fake.push(at, e);
    }

    MiniTree tree;
    FakePlatform fake;
    FrmKlavir* studio = nullptr;
    uint32_t t = 0;
};

}  // namespace bafo::test
