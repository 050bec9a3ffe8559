// The memory game's screen on the fake platform: dealt, played by clicks,
// won, and the attempts kept in the results table.
#include "games/frm_pexeso.h"
#include "platform/bitmap_file.h"
#include "platform/files.h"
#include "results/frm_tabulka.h"
#include "results/results_table.h"
#include "services/globals.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

#include <set>

using namespace bafo;

namespace {

constexpr Point kLevelIcon{281, 568}, kNewDeal{543, 556}, kShowAll{773, 48};
constexpr Point kTableBack{(800 - 514) / 2 + 472, (600 - 415) / 2 + 37};

class PexesoScreen : public ::testing::Test {
protected:
    void SetUp() override { start(14); }
    void TearDown() override
    {
        fake.on_idle = nullptr;
        ui::App::get().reset();
        set_platform(nullptr);
    }
    void start(int pictures)
    {
        tree = std::make_unique<test::MiniTree>();
        tree->add_pexeso(pictures);
        set_platform(&fake);
        ui::App::get().reset();
        reset_globals();
        cesta_dat = cesta_hry = tree->dir.path();
        vybrana_sada = 2;
        g = &ui::App::get().form<FrmPexeso>();
        ui::App::get().show(*g);
        ui::App::get().dispatch_pending();
        t = fake.now_ms();
    }
    Point centre(int card) const
    {
        Rect r = g->card_rect(card);
        return {r.x + r.w / 2, r.y + r.h / 2};
    }
    // A click, then the program runs `ms` past it.
    void click(Point p, uint32_t ms = 1000)
    {
        fake.click(t += 10, p.x, p.y);
        ui::App::get().wait_dispatch(t += ms);
    }
    void click_card(int card, uint32_t ms = 1000) { click(centre(card), ms); }
    int partner(int card) const
    {
        for (int k = 1; k <= g->table().count(); ++k)
            if (k != card && g->table().tag(k) == g->table().tag(card))
                return k;
        return 0;
    }
    int stranger(int card, std::initializer_list<int> besides) const
    {
        for (int k = 1; k <= g->table().count(); ++k)
            if (k != card && g->table().tag(k) != g->table().tag(card) && std::find(besides.begin(), besides.end(), k) == besides.end())
                return k;
        return 0;
    }
    Surface shown(int card) const
    {
        ui::App::get().present();
        return ui::App::get().frame().crop(g->card_rect(card));
    }
    Surface face(int card) const
    {
        Surface s;
        load_bitmap(g->table().tag(card), s);
        return s;
    }
    int cards_taking_clicks() const
    {
        int n = 0;
        for (int k = 1; k <= g->table().count(); ++k)
            n += g->card_takes_clicks(k);
        return n;
    }
    // Clicks every pair in turn; a name for the table once it asks.
    void play_flawlessly(const std::string& name)
    {
        bool named = false;
        fake.on_idle = [&](FakePlatform& f) {
            auto* table = ui::App::get().find<FrmTabulka>();
            if (!named && table && table->entering() && !f.pending_input()) {
                named = true;
                f.type(f.now_ms() + 10, name);
                f.key(f.now_ms() + 20, 13);
                f.click(f.now_ms() + 30, kTableBack.x, kTableBack.y);
            }
        };
        std::set<int> done;
        for (int k = 1; k <= g->table().count(); ++k) {
            if (!g->table().in_play(k) || done.count(k))
                continue;
            const int p = partner(k);
            done.insert(p);
            click_card(k);
            click_card(p);
        }
        ui::App::get().loop_until([&] { return named && !ui::App::get().loaded<FrmTabulka>(); });
        fake.on_idle = nullptr;
        t = fake.now_ms();
    }
    std::unique_ptr<test::MiniTree> tree;
    FakePlatform fake;
    FrmPexeso* g = nullptr;
    uint32_t t = 0;
};

}  // namespace

TEST_F(PexesoScreen, AFlawlessGameAtEachLevelHandsItsAttemptsToTheTable)
{
    for (int level : {1, 2, 3}) {
        TearDown();
        start(14);
        for (int l = 1; l < level; ++l)
            click(kLevelIcon, 3000);
        ASSERT_EQ(g->level(), level);
        const int cards = g->table().count();
        play_flawlessly("Мира");
        ResultsTable kept;
        kept.load(ResultsTable::file(cesta_hry), "PEX", level);
        EXPECT_EQ(kept.places[0].name, "Мира") << "level " << level;
        EXPECT_EQ(kept.places[0].number, cards / 2) << "level " << level << ": a flawless game is one attempt a pair";
        // The next deal follows at the same level.
        ui::App::get().wait_dispatch(t += 50 * uint32_t(cards) + 100);
        EXPECT_EQ(g->level(), level);
        EXPECT_EQ(cards_taking_clicks(), cards) << "level " << level << ": no new deal after the win";
        EXPECT_EQ(g->attempts_text(), "");
        EXPECT_EQ(g->table().attempts(), 0);
        EXPECT_EQ(fake.cursor_count, 0) << "the pointer was left hidden";
    }
}

TEST_F(PexesoScreen, AttemptsWrongPairsAndDroppedClicks)
{
    const int a = 1, b = stranger(a, {partner(a)});
    const int c = stranger(a, {b, partner(b)});
    ASSERT_TRUE(b && c && partner(c));
    const Surface back = tree->bitmap("PEXESO/BACK.BMP");

    // The first card: face up, no attempt yet. Half way it stands edge-on: only the table shows.
    fake.click(t += 10, centre(a).x, centre(a).y);
    const uint32_t edge_on = t + 29 * FrmPexeso::kTurnFrame + 2;
    Surface mid_turn;
    fake.probe_at(edge_on);
    fake.on_idle = [&](FakePlatform& f) {
        if (f.now_ms() == edge_on)
            mid_turn = ui::App::get().frame().crop(g->card_rect(a));
    };
    ui::App::get().wait_dispatch(t += 1000);
    fake.on_idle = nullptr;
    EXPECT_TRUE(mid_turn.same_pixels(g->table_background().crop(g->card_rect(a)))) << "the edge-on card left a trace";
    EXPECT_TRUE(shown(a).same_pixels(face(a)));
    EXPECT_EQ(g->attempts_text(), "");

    // The second card, a wrong one; a click on c while it turns is dropped.
    fake.click(t += 10, centre(b).x, centre(b).y);
    fake.click(t + 100, centre(c).x, centre(c).y);
    ui::App::get().wait_dispatch(t += 1000);
    EXPECT_EQ(g->attempts_text(), "1");
    EXPECT_TRUE(shown(b).same_pixels(face(b)));
    EXPECT_TRUE(shown(c).same_pixels(back)) << "a click made while the second card turned was taken";

    // The wrong pair's own cards do nothing; a third card turns it back and starts anew.
    click_card(a);
    click_card(b);
    EXPECT_EQ(g->table().turned(), 2);
    EXPECT_EQ(g->attempts_text(), "1");
    click_card(c);
    EXPECT_TRUE(shown(a).same_pixels(back));
    EXPECT_TRUE(shown(b).same_pixels(back));
    EXPECT_TRUE(shown(c).same_pixels(face(c)));
    EXPECT_EQ(g->attempts_text(), "1") << "a first card counted as an attempt";

    // A found pair leaves exactly the table behind and takes no more clicks.
    const int c2 = partner(c);
    click_card(c2);
    EXPECT_EQ(g->attempts_text(), "2");
    for (int k : {c, c2}) {
        EXPECT_TRUE(shown(k).same_pixels(g->table_background().crop(g->card_rect(k))))
            << "card " << k << " left something behind";
        EXPECT_FALSE(g->card_takes_clicks(k));
    }
}

TEST_F(PexesoScreen, ShowAllNewDealAndLevels)
{
    click_card(1);
    click(kShowAll, 2000);
    EXPECT_FALSE(g->show_all_enabled());
    EXPECT_EQ(g->attempts_text(), "");
    for (int k = 2; k <= g->table().count(); ++k)
        EXPECT_TRUE(shown(k).same_pixels(face(k))) << "card " << k << " is not shown";
    EXPECT_EQ(cards_taking_clicks(), 0);
    click_card(2);
    EXPECT_EQ(g->table().turned(), 1) << "a card answered after all faces were shown";

    click(kNewDeal, 2000);
    EXPECT_TRUE(g->show_all_enabled());
    EXPECT_EQ(cards_taking_clicks(), 16);
    EXPECT_EQ(g->table().turned(), 0);
    EXPECT_TRUE(shown(1).same_pixels(tree->bitmap("PEXESO/BACK.BMP")));

    for (int want : {20, 24, 16}) {
        click(kLevelIcon, 3000);
        EXPECT_EQ(g->table().count(), want);
        EXPECT_EQ(cards_taking_clicks(), want);
        EXPECT_EQ(int(g->controls().size()), 2 + 6 + 1 + want) << "cards of the old layout were left behind";
    }
    EXPECT_EQ(g->level(), 1);
}

TEST_F(PexesoScreen, ASetShortOfPicturesDealsWhatItHas)
{
    TearDown();
    start(5);
    click(kLevelIcon, 3000);
    click(kLevelIcon, 3000);
    ASSERT_EQ(g->level(), 3);
    EXPECT_EQ(cards_taking_clicks(), 10) << "five pictures make five pairs";
    play_flawlessly("Ян");
    ResultsTable kept;
    kept.load(ResultsTable::file(cesta_hry), "PEX", 3);
    EXPECT_EQ(kept.places[0].number, 5);
}
