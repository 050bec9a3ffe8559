// The dress-up on the fake platform: what the child sees after each click on
// Bafo or an icon, the printed page, the funny clips, the help, and the way
// back to the menu.
#include "dress/frm_krejci.h"

#include "by_hand.h"
#include "games/game_screen.h"
#include "platform/private_cups.h"
#include "services/printing.h"
#include "services/sound.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace bafo {
namespace {

using test::by_hand;
using test::Laid;
using test::MiniTree;

Point centre(const Rect& r)
{
    return {r.x + r.w / 2, r.y + r.h / 2};
}

const char* name(Garment g)
{
    return kind_of(g).name;
}

std::string outfit(const std::array<int, 4>& worn)
{
    std::ostringstream s;
    for (Garment g : kAllGarments)
        s << name(g) << " " << worn[size_t(g)] << (g == Garment::Shorts ? "" : ", ");
    return s.str();
}

// The smallest rectangle holding every pixel in which two frames differ.
Rect changed(const Surface& a, const Surface& b)
{
    Rect r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) ^ b.pixel(x, y)) & kRgbMask)
                r = unite(r, {x, y, 1, 1});
    return r;
}

bool inside(const Rect& inner, const Rect& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

std::string str(const Rect& r)
{
    return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.w) + " × " +
           std::to_string(r.h) + ")";
}

struct DressUp : test::GameScreen<FrmKrejci> {
    DressUp() : GameScreen(&MiniTree::add_dress) {}

    // A fresh screen: nothing worn.
    void reopen()
    {
        auto& app = ui::App::get();
        app.unload(*g);
        g = &app.form<FrmKrejci>();
        app.show(*g);
        run_to(t += 10);
    }
    void click(Point p, uint32_t ms = 100)
    {
        t = std::max(t, fake.now_ms());
        fake.click(t + 1, p.x, p.y);
        run_to(t += ms);
    }
    void move(Point p)
    {
        t = std::max(t, fake.now_ms());
        fake.move(t + 1, p.x, p.y);
        run_to(t += 20);
    }
    void dress(Garment g, int clicks)
    {
        for (int i = 0; i < clicks; ++i)
            click(centre(kind_of(g).spot));
    }
    void icon(int i, uint32_t ms = 100) { click(centre(FrmKrejci::kIconAreas[i]), ms); }
    // A place on the background, away from every hot area.
    void rest() { move({760, 40}); }

    std::array<int, 4> worn() const
    {
        std::array<int, 4> w{};
        for (Garment k : kAllGarments)
            w[size_t(k)] = g->wardrobe().worn(k);
        return w;
    }
    Surface garment_file(Garment k, int item) const
    {
        static const char* dirs[4] = {"BOTY/BOTY", "HLAVY/HLAVA", "TRIKA/TRIKO", "TRENKY/TRENKY"};
        return tree.bitmap(std::string("KREJCI/OBLEKY/") + dirs[size_t(k)] + std::to_string(item) + ".BMP");
    }
    // The dressed picture the files make, over `base`, each garment moved by `shift`.
    Surface expected(const Surface& base, const std::array<int, 4>& items, Point shift = {}) const
    {
        std::vector<Laid> laid;
        for (Garment k : kAllGarments)
            if (items[size_t(k)])
                laid.push_back({garment_file(k, items[size_t(k)]),
                                {kind_of(k).on_mascot.x + shift.x, kind_of(k).on_mascot.y + shift.y}});
        return by_hand(base, laid);
    }
    Surface dressed(const std::array<int, 4>& items) const
    {
        return expected(tree.bitmap("KREJCI/NAHYBAFO.BMP"), items);
    }
    // Bafo on the screen and in the persistent image.
    ::testing::AssertionResult shows(const std::array<int, 4>& items) const
    {
        const Surface want = dressed(items);
        if (!test::region_is(ui::App::get().frame(), kMascotAt.x, kMascotAt.y, want))
            return ::testing::AssertionFailure() << "the screen does not show " << outfit(items);
        if (!test::region_is(g->image, kMascotAt.x, kMascotAt.y, want))
            return ::testing::AssertionFailure() << "the persistent image does not hold " << outfit(items);
        return ::testing::AssertionSuccess();
    }
    static constexpr Rect kBafo{kMascotAt.x, kMascotAt.y, MiniTree::kBafoW, MiniTree::kBafoH};
};

TEST_F(DressUp, ClicksOnBafoPutOnTheNextItemsAndTheEleventhHatIsTheFirst)
{
    using G = Garment;
    const struct {
        const char* what;
        std::vector<std::pair<Garment, int>> clicks;
        std::array<int, 4> worn;
    } cases[] = {
        {"one click on the feet: boots 1 and nothing else", {{G::Boots, 1}}, {1, 0, 0, 0}},
        {"ten on the head: hat 10", {{G::Hat, 10}}, {0, 10, 0, 0}},
        {"eleven on the head: hat 1 again", {{G::Hat, 11}}, {0, 1, 0, 0}},
        {"the chest twice, then the hips: the shorts lie over the shirt", {{G::Shirt, 2}, {G::Shorts, 1}}, {0, 0, 2, 1}},
        {"the hips before the chest: the shorts still lie over it", {{G::Shorts, 4}, {G::Shirt, 7}}, {0, 0, 7, 4}},
        {"all four", {{G::Boots, 3}, {G::Hat, 5}, {G::Shirt, 1}, {G::Shorts, 9}}, {3, 5, 1, 9}},
    };
    for (const auto& c : cases) {
        reopen();
        const size_t sounds = fake.played.size();
        int clicks = 0;
        for (auto [k, n] : c.clicks) {
            dress(k, n);
            clicks += n;
        }
        EXPECT_EQ(worn(), c.worn) << c.what;
        EXPECT_TRUE(shows(c.worn)) << c.what;
        EXPECT_EQ(fake.played.size() - sounds, size_t(clicks)) << c.what << ": one click sound a click";
    }
}

TEST_F(DressUp, AClickChangesTheScreenOnlyWhereBafoStands)
{
    rest();
    const Surface bare = ui::App::get().frame();
    EXPECT_TRUE(test::region_is(bare, 0, 0, tree.bitmap("KREJCI/BG.BMP"))) << "the screen opens on its background";
    struct Step {
        const char* what;
        Point at;
    };
    const Step steps[] = {
        {"the feet", centre(kind_of(Garment::Boots).spot)},     {"the head", centre(kind_of(Garment::Hat).spot)},
        {"the chest", centre(kind_of(Garment::Shirt).spot)},    {"the hips", centre(kind_of(Garment::Shorts).spot)},
        {"the head again", centre(kind_of(Garment::Hat).spot)}, {"the random outfit", centre(FrmKrejci::kIconAreas[2])},
    };
    for (const auto& s : steps) {
        rest();
        move(s.at);  // an icon lights first
        const Surface before = ui::App::get().frame();
        fake.click(t + 1, s.at.x, s.at.y);
        run_to(t += 50);
        const Rect diff = changed(before, ui::App::get().frame());
        EXPECT_FALSE(diff.empty()) << s.what << " changed nothing";
        EXPECT_TRUE(inside(diff, kBafo)) << s.what << " changed " << str(diff) << ", outside Bafo " << str(kBafo);
        EXPECT_TRUE(inside(fake.last_present, kBafo))
            << s.what << " redrew " << str(fake.last_present) << ", not only Bafo " << str(kBafo);
    }
}

TEST_F(DressUp, TheRandomOutfitAlwaysDressesAllFour)
{
    std::set<std::array<int, 4>> outfits;
    for (int round = 0; round < 40; ++round) {
        // A different moment each time: the clock seeds the draw.
        t += uint32_t(17 * round);
        icon(FrmKrejci::kRandom, 30);
        const auto w = worn();
        for (Garment k : kAllGarments)
            ASSERT_TRUE(w[size_t(k)] >= 1 && w[size_t(k)] <= 10) << "round " << round << ": " << outfit(w);
        EXPECT_TRUE(shows(w)) << "round " << round;
        outfits.insert(w);
    }
    EXPECT_GT(outfits.size(), 30u) << "the random outfits repeat too often";
}

TEST_F(DressUp, PrintingSendsTheDressedBafoOnceAndCancelChangesNothing)
{
    const std::vector<std::string> two{"Kitchen", "Office"};
    const struct {
        const char* what;
        std::vector<std::string> printers;
        std::vector<Rect> buttons;
        bool printed;
    } cases[] = {
        {"print", two, {kPrintYes}, true},
        {"cancel", two, {kPrintNo}, false},
        {"no printer: print does nothing, then cancel", {}, {kPrintYes, kPrintNo}, false},
    };
    tree.add_print_panel();
    for (const auto& c : cases) {
        reopen();
        fake.printer_names = c.printers;
        fake.printed.clear();
        dress(Garment::Boots, 2);
        dress(Garment::Hat, 1);
        dress(Garment::Shorts, 3);
        const std::array<int, 4> now{2, 1, 0, 3};
        move(centre(FrmKrejci::kIconAreas[FrmKrejci::kPrint]));
        const Surface before = ui::App::get().frame();
        const auto heard = fake.played.size();
        fake.click(t + 1, centre(FrmKrejci::kIconAreas[FrmKrejci::kPrint]).x,
                   centre(FrmKrejci::kIconAreas[FrmKrejci::kPrint]).y);
        uint32_t at = t + 300;
        for (const Rect& b : c.buttons) {
            fake.click(at, centre(b).x, centre(b).y);
            at += 300;
        }
        Surface panel;
        fake.probe_at(t + 200);
        fake.on_idle = [&](FakePlatform& f) {
            if (panel.empty() && f.now_ms() >= t + 200)
                panel = f.last_frame;
        };
        run_to(at + 100);
        fake.on_idle = nullptr;
        EXPECT_FALSE(test::region_is(panel, kPrintPanel.x, kPrintPanel.y, before.crop(kPrintPanel)))
            << c.what << ": no printer panel";
        EXPECT_TRUE(ui::App::get().frame().same_pixels(before)) << c.what << ": the screen changed";
        EXPECT_EQ(worn(), now) << c.what;
        ASSERT_GT(fake.played.size(), heard);
        EXPECT_EQ(file_name_of(fake.played[heard].path), "CLICK.WAV") << c.what;
        if (!c.printed) {
            EXPECT_TRUE(fake.printed.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(fake.printed.size(), 1u) << c.what;
        const auto& page = fake.printed[0];
        const Surface paper = tree.bitmap("KREJCI/TISK_BFO.BMP");
        EXPECT_TRUE(page.picture.same_pixels(expected(paper, now, kMascotAt)))
            << "the page is not the print picture with " << outfit(now) << " at the print places";
        EXPECT_EQ(page.printer, "Kitchen");
        EXPECT_EQ(page.title, "Bafo");
        EXPECT_FALSE(page.landscape);
        // Twice the picture's size at 15 twips a pixel, 1440 twips an inch.
        EXPECT_DOUBLE_EQ(page.width_in, 2.0 * paper.width() * 15 / 1440) << paper.width() << " pixels wide";
        EXPECT_DOUBLE_EQ(page.height_in, 2.0 * paper.height() * 15 / 1440) << paper.height() << " pixels high";
    }
}

// Through a print service of the test's own: the sheet rendered back at four
// sheet pixels a picture pixel, where no smoothing blurs it.
TEST_F(DressUp, ThePrintedPageIsTheScreensBafoAtTwiceThePicturesSizeCentred)
{
    tree.add_print_panel();
    test::PrivateCups cups({{"kitchen", "Letter"}}, "kitchen");
    fake.real_printing = true;
    dress(Garment::Hat, 4);
    dress(Garment::Shirt, 2);
    dress(Garment::Boots, 1);
    const std::array<int, 4> now{1, 4, 2, 0};
    ASSERT_EQ(worn(), now);
    fake.click(t + 300, centre(kPrintYes).x, centre(kPrintYes).y);
    icon(FrmKrejci::kPrint, 600);
    ASSERT_TRUE(cups.wait_for_output("kitchen")) << cups.error_log();
    const std::string pdf = cups.output_path("kitchen");
    const test::PdfInfo info = test::pdf_info(pdf);
    EXPECT_EQ(info.pages, 1);
    EXPECT_LT(info.width_pt, info.height_pt) << "Bafo prints portrait";

    const Surface want = expected(tree.bitmap("KREJCI/TISK_BFO.BMP"), now, kMascotAt);
    const int dpi = 192, k = 4;  // 48 picture pixels an inch
    const Surface sheet = test::render_pdf(pdf, dpi);
    ASSERT_FALSE(sheet.empty());
    const int x0 = (sheet.width() - k * want.width()) / 2, y0 = (sheet.height() - k * want.height()) / 2;
    int wrong = 0;
    std::string first;
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x) {
            const uint32_t got = sheet.pixel(x0 + k * x + k / 2, y0 + k * y + k / 2) & kRgbMask;
            if (got != (want.pixel(x, y) & kRgbMask) && wrong++ == 0)
                first = "picture pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        }
    EXPECT_EQ(wrong, 0) << "first at " << first << " of a picture centred at (" << x0 << ", " << y0 << ") on a "
                        << sheet.width() << " × " << sheet.height() << " sheet";
    EXPECT_EQ(sheet.pixel(x0 - 2, y0 + 10) & kRgbMask, 0xFFFFFFu) << "paper left of the picture";
    EXPECT_EQ(sheet.pixel(x0 + k * want.width() + 1, y0 + 10) & kRgbMask, 0xFFFFFFu) << "paper right of it";
}

TEST_F(DressUp, AFunnyClipPlaysOverTheRoomAndLeavesItWhole)
{
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(FrmKrejci::kClips[i].script);
        rest();
        const Surface before = ui::App::get().frame();
        const Rect box = MiniTree::kClipArea[i];
        std::map<uint32_t, Surface> during;
        const uint32_t from = t + 1;
        for (uint32_t ms : {50u, 150u})
            fake.probe_at(from + ms);
        fake.on_idle = [&](FakePlatform& f) {
            for (uint32_t ms : {50u, 150u})
                if (!during.count(ms) && f.now_ms() >= from + ms)
                    during[ms] = ui::App::get().frame();
        };
        // Bafo's feet while the clip plays: the screen takes no click.
        fake.click(from + 120, centre(kind_of(Garment::Boots).spot).x, centre(kind_of(Garment::Boots).spot).y);
        const auto heard = fake.played.size();
        click(centre(FrmKrejci::kClips[i].spot), 400);
        fake.on_idle = nullptr;
        ASSERT_EQ(during.size(), 2u);
        EXPECT_FALSE(during[50].crop(box).same_pixels(before.crop(box))) << "no clip at " << str(box);
        EXPECT_FALSE(during[50].crop(box).same_pixels(during[150].crop(box))) << "the clip's frames did not change";
        EXPECT_TRUE(inside(changed(before, during[150]), box)) << "the clip drew outside " << str(box);
        EXPECT_TRUE(ui::App::get().frame().same_pixels(before)) << "the room is not whole after the clip";
        EXPECT_EQ(worn()[0], 0) << "a click during the clip dressed Bafo";
        EXPECT_TRUE(g->enabled());
        bool sound = false;
        for (size_t k = heard; k < fake.played.size(); ++k)
            sound |= file_name_of(fake.played[k].path) == "ZVUK.WAV";
        EXPECT_TRUE(sound) << "the clip played silent";
        EXPECT_TRUE(fake.messages.empty());
    }
}

TEST_F(DressUp, BafoExplainsTheScreenWithHisMouthMoving)
{
    move(centre(FrmKrejci::kIconAreas[FrmKrejci::kHelp]));
    const Surface lit = tree.bitmap("KREJCI/BAFO.BMP");
    EXPECT_TRUE(test::region_is(ui::App::get().frame(), FrmKrejci::kMouth.x, FrmKrejci::kMouth.y, lit))
        << "the mascot icon is not lit under the pointer";
    const Surface strip = tree.bitmap("KREJCI/BAFO_ANI.BMP");
    const Rect face{FrmKrejci::kMouth.x, FrmKrejci::kMouth.y, strip.width() / 4, strip.height()};
    std::set<int> frames;
    int strangers = 0;
    const uint32_t from = t + 1;
    for (uint32_t ms = 150; ms < MiniTree::kHelpMs; ms += 100)
        fake.probe_at(from + ms);
    fake.on_idle = [&](FakePlatform& f) {
        if (f.now_ms() < from + 150 || f.now_ms() >= from + MiniTree::kHelpMs)
            return;
        const Surface shown = f.last_frame.crop(face);
        int which = -1;
        for (int n = 0; n < 4; ++n)
            if (shown.same_pixels(strip.crop({n * face.w, 0, face.w, face.h})))
                which = n;
        which < 0 ? ++strangers : (frames.insert(which), 0);
    };
    const auto heard = fake.played.size();
    icon(FrmKrejci::kHelp, MiniTree::kHelpMs + 300);
    fake.on_idle = nullptr;
    std::vector<std::string> names;
    for (size_t k = heard; k < fake.played.size(); ++k)
        names.push_back(file_name_of(fake.played[k].path));
    EXPECT_EQ(names, (std::vector<std::string>{"CLICK.WAV", "OBLEKANI.WAV"}));
    EXPECT_GE(frames.size(), 3u) << "the mouth hardly moved";
    EXPECT_EQ(strangers, 0) << "the face showed something that is no frame of the strip";
    EXPECT_TRUE(test::region_is(ui::App::get().frame(), face.x, face.y, lit)) << "the face is not put back";
    EXPECT_TRUE(g->enabled());
}

TEST_F(DressUp, EachIconLightsUnderThePointerAndGoesOutOverBafo)
{
    const char* files[4] = {"ZPET.BMP", "TISK.BMP", "ZAMI.BMP", "BAFO.BMP"};
    rest();
    const Surface dark = ui::App::get().frame();
    for (int i = 0; i < 4; ++i) {
        move(centre(FrmKrejci::kIconAreas[i]));
        EXPECT_TRUE(test::region_is(ui::App::get().frame(), FrmKrejci::kIconLit[i].x, FrmKrejci::kIconLit[i].y,
                                    tree.bitmap(std::string("KREJCI/") + files[i])))
            << "icon " << i << " is not lit";
        move(centre(kind_of(Garment::Shirt).spot));
        EXPECT_TRUE(ui::App::get().frame().same_pixels(dark)) << "icon " << i << " stayed lit over Bafo's chest";
    }
}

TEST_F(DressUp, BackLeavesForTheMenu)
{
    dress(Garment::Hat, 2);
    const auto heard = fake.played.size();
    icon(FrmKrejci::kBack, 300);
    auto& app = ui::App::get();
    ASSERT_NE(app.active(), nullptr);
    EXPECT_EQ(app.active()->name(), "frm_select");
    EXPECT_FALSE(app.loaded<FrmKrejci>());
    ASSERT_GT(fake.played.size(), heard);
    EXPECT_EQ(file_name_of(fake.played[heard].path), "CLICK.WAV");
    // Opened again, Bafo stands there undressed.
    g = &app.form<FrmKrejci>();
    app.show(*g);
    run_to(t += 20);
    EXPECT_EQ(worn(), (std::array<int, 4>{}));
}

struct DressUpWithoutArt : test::GameScreen<FrmKrejci> {};

TEST_F(DressUpWithoutArt, EverythingStillWorksOnPlainPictures)
{
    tree.add_print_panel();
    fake.printer_names = {"Kitchen"};
    uint32_t at = 50;
    auto press = [&](Point p, uint32_t then) {
        fake.click(at, p.x, p.y);
        at += then;
    };
    for (Garment k : kAllGarments)
        press(centre(kind_of(k).spot), 50);
    press(centre(FrmKrejci::kIconAreas[FrmKrejci::kRandom]), 50);
    press(centre(FrmKrejci::kIconAreas[FrmKrejci::kPrint]), 300);
    press(centre(kPrintYes), 300);
    press(centre(FrmKrejci::kIconAreas[FrmKrejci::kHelp]), 300);
    for (const auto& c : FrmKrejci::kClips)
        press(centre(c.spot), 300);
    run_to(at);
    EXPECT_EQ(ui::App::get().frame().pixel(5, 5), 0xFFF4E0u) << "no plain background";
    for (Garment k : kAllGarments)
        EXPECT_GE(g->wardrobe().worn(k), 1) << name(k);
    EXPECT_TRUE(fake.messages.empty()) << fake.messages[0].text;
    ASSERT_EQ(fake.printed.size(), 1u);
    const Surface& page = fake.printed[0].picture;
    EXPECT_EQ(page.width(), FrmKrejci::kMascotFallback.w + 2 * kMascotAt.x);
    EXPECT_EQ(page.pixel(2, 2), 0xFFFFFFu) << "the page without its picture is white paper";
    EXPECT_EQ(page.pixel(kMascotAt.x + 5, kMascotAt.y + 5), 0xFFF4E0u) << "Bafo's place is not on the page";
    press(centre(FrmKrejci::kIconAreas[FrmKrejci::kBack]), 300);
    run_to(at);
    ASSERT_NE(ui::App::get().active(), nullptr);
    EXPECT_EQ(ui::App::get().active()->name(), "frm_select");
}

TEST(DressUpFromTheMenu, TheDressUpBalloonOpensItAndBackReturns)
{
    test::ProgramRun r;
    r.tree.add_dress();
    r.to_menu();
    const uint32_t t = test::ProgramRun::kReady;
    r.fake.click(t, 680, 280);  // the fourth balloon
    r.fake.click(t + 1000, 63, 568);  // back
    std::map<uint32_t, std::string> active;
    for (uint32_t at : {t + 500, t + 1500})
        r.fake.probe_at(at);
    r.fake.on_idle = [&](FakePlatform& f) {
        for (uint32_t at : {t + 500, t + 1500})
            if (!active.count(at) && f.now_ms() >= at)
                active[at] = ui::App::get().active() ? ui::App::get().active()->name() : "none";
    };
    r.leave(t + 2000);
    r.run();
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(active[t + 500], "frm_krejci");
    EXPECT_EQ(active[t + 1500], "frm_select");
    EXPECT_TRUE(r.fake.messages.empty());
}

}  // namespace
}  // namespace bafo
