#include "platform/fake/fake_platform.h"
#include "services/globals.h"
#include "services/printing.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

using namespace bafo;
using bafo::test::pattern;

namespace {

struct Screen : ui::Form {
    Screen() : ui::Form("screen") {}
};

struct Step {
    enum Kind { Click, Key } kind;
    Point at;  // Click
    int key;   // Key
};
Step click(const Rect& r) { return {Step::Click, {r.x + r.w / 2, r.y + r.h / 2}, 0}; }
Step key(int k) { return {Step::Key, {}, k}; }

class PrintPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_platform(&fake);
        ui::App::get().reset();
        reset_globals();
        tree.add_print_panel();
        cesta_dat = cesta_hry = tree.dir.path();
        auto& app = ui::App::get();
        auto& s = app.form<Screen>();
        s.set_picture(pattern(800, 600, 7));
        app.show(s);
        app.present();
        under = app.frame();
    }
    void TearDown() override
    {
        ui::App::get().reset();
        set_platform(nullptr);
    }
    test::MiniTree tree;
    FakePlatform fake;
    Surface under;
};

}  // namespace

TEST_F(PrintPanel, TheChildChoosesAPrinterOrCancelsAndARefusalIsShown)
{
    const std::vector<std::string> two{"Kitchen", "Office laser"};
    struct Case {
        const char* what;
        std::vector<std::string> printers;
        std::vector<Step> steps;
        std::string refusal;
        const char* printed_on;  // nullptr: nothing sent
        bool result;
    } cases[] = {
        {"print on the default", two, {click(kPrintYes)}, "", "Kitchen", true},
        {"cancel", two, {click(kPrintNo)}, "", nullptr, false},
        {"second row, then print", two, {click(print_row(1)), click(kPrintYes)}, "", "Office laser", true},
        {"an empty row chooses nothing", two, {click(print_row(3)), click(kPrintYes)}, "", "Kitchen", true},
        {"no printer: print is dead, cancel", {}, {click(kPrintYes), click(kPrintNo)}, "", nullptr, false},
        {"a click beside the panel does nothing", two, {{Step::Click, {20, 20}, 0}, click(kPrintNo)}, "", nullptr,
         false},
        {"arrow down and Enter", two, {key(40), key(13)}, "", "Office laser", true},
        {"arrow up wraps to the last", two, {key(38), key(13)}, "", "Office laser", true},
        {"Escape cancels", two, {key(27)}, "", nullptr, false},
        {"refused with the service's words", two, {click(kPrintYes)}, "Printer 'Kitchen' is stopped", "Kitchen",
         false},
    };
    const Surface picture = pattern(64, 48, 3);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.printed.clear();
        fake.messages.clear();
        fake.printer_names = c.printers;
        fake.print_error = c.refusal;
        uint32_t t = fake.now_ms() + 200;
        for (const auto& s : c.steps) {
            if (s.kind == Step::Click)
                fake.click(t, s.at.x, s.at.y);
            else
                fake.key(t, s.key);
            t += 300;
        }
        Surface shown;
        fake.probe_at(fake.now_ms() + 100);
        fake.on_idle = [&](FakePlatform& f) {
            if (shown.empty() && f.now_ms() >= 100)
                shown = f.last_frame;
        };
        const bool result = vytiskni(picture, 4.0, 3.0, true, "painting");
        fake.on_idle = nullptr;

        EXPECT_EQ(result, c.result);
        ASSERT_FALSE(shown.empty());
        EXPECT_FALSE(test::region_is(shown, kPrintPanel.x, kPrintPanel.y, under.crop(kPrintPanel)))
            << "the panel was never on the screen";
        EXPECT_TRUE(test::region_is(ui::App::get().frame(), 0, 0, under)) << "the screen is not as it was";
        if (!c.printed_on) {
            EXPECT_TRUE(fake.printed.empty());
            continue;
        }
        ASSERT_EQ(fake.printed.size(), 1u);
        const auto& p = fake.printed[0];
        EXPECT_EQ(p.printer, c.printed_on);
        EXPECT_EQ(p.title, "painting");
        EXPECT_TRUE(p.picture.same_pixels(picture));
        EXPECT_EQ(p.width_in, 4.0);
        EXPECT_EQ(p.height_in, 3.0);
        EXPECT_TRUE(p.landscape);
        if (c.refusal.empty()) {
            EXPECT_TRUE(fake.messages.empty());
        } else {
            ASSERT_EQ(fake.messages.size(), 1u);
            EXPECT_EQ(fake.messages[0].text, c.refusal);
        }
    }
}

TEST_F(PrintPanel, ThePanelShowsThePrintersNamesAndTheNoPrinterPicture)
{
    auto panel_when = [&](std::vector<std::string> printers) {
        fake.printer_names = std::move(printers);
        fake.key(fake.now_ms() + 200, 27);
        Surface shown;
        fake.probe_at(fake.now_ms() + 100);
        const uint32_t from = fake.now_ms();
        fake.on_idle = [&](FakePlatform& f) {
            if (shown.empty() && f.now_ms() >= from + 100)
                shown = f.last_frame.crop(kPrintPanel);
        };
        vytiskni(pattern(8, 8, 1), 1, 1, false, "x");
        fake.on_idle = nullptr;
        return shown;
    };
    const Surface none = panel_when({});
    const Surface zadna = tree.bitmap("TISK/ZADNA.BMP");
    EXPECT_TRUE(test::region_is(none, 160, 24, zadna)) << "no printer: the picture that says so";
    // The magenta corner lets the screen show through.
    EXPECT_EQ(none.pixel(2, 2), under.pixel(kPrintPanel.x + 2, kPrintPanel.y + 2));

    const Surface one = panel_when({"A"});
    const Surface named = panel_when({"A very long printer name that cannot fit on its line at all"});
    const Rect row = print_row(0);
    const Rect local{row.x - kPrintPanel.x, row.y - kPrintPanel.y, row.w, row.h};
    EXPECT_FALSE(one.crop(local).same_pixels(named.crop(local))) << "the names are written on the row";
    // The long name is cut inside its row: the card right of the row is untouched.
    const Rect right{local.x + local.w + 2, local.y, kPrintPanel.w - local.x - local.w - 2, local.h};
    EXPECT_TRUE(one.crop(right).same_pixels(named.crop(right)));
}
