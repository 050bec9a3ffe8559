// A picture game's screen shown on the fake platform, playing on the fifteen
// puzzle's picture with its two clips. The game's own files come from `add`.
#pragma once

#include "services/globals.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

namespace bafo::test {

template <class Game>
class GameScreen : public ::testing::Test {
protected:
    explicit GameScreen(void (MiniTree::*add)() = nullptr) : m_add(add) {}
    void SetUp() override
    {
        tree.add_fifteen();
        if (m_add)
            (tree.*m_add)();
        set_platform(&fake);
        ui::App::get().reset();
        reset_globals();
        cesta_dat = cesta_hry = tree.dir.path();
        vybrany_obrazek = tree.data("ANIM/1/POZADI1.BMP");
        g = &ui::App::get().form<Game>();
        ui::App::get().show(*g);
        ui::App::get().dispatch_pending();
    }
    void TearDown() override
    {
        fake.on_idle = nullptr;
        ui::App::get().reset();
        set_platform(nullptr);
    }
    void run_to(uint32_t at) { ui::App::get().wait_dispatch(t = at); }

    MiniTree tree;
    FakePlatform fake;
    Game* g = nullptr;
    uint32_t t = 0;

private:
    void (MiniTree::*m_add)();
};

}  // namespace bafo::test
