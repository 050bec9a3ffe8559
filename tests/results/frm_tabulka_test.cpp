// The results table on the fake platform, opened over a game screen.
#include "platform/bitmap_file.h"
#include "platform/files.h"
#include "results/frm_tabulka.h"
#include "services/globals.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

using namespace bafo;
using bafo::test::MiniTree;

namespace {

struct Game : ui::Form {
    Game() : ui::Form("game") {}
};

constexpr int kX = (800 - 514) / 2, kY = (600 - 415) / 2;
// Screen points of the table's parts.
Point cake(int level) { return {kX + 170 + 65 * (level - 1) + 20, kY + 50}; }
const Point kBack{kX + 472, kY + 37};

class TableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_platform(&fake);
        ui::App::get().reset();
        reset_globals();
        cesta_dat = tree.dir.path();
        cesta_hry = tree.dir.path();
        Game& g = ui::App::get().form<Game>();
        g.set_picture(test::pattern(800, 600, 77));
        ui::App::get().show(g);
        ui::App::get().dispatch_pending();
        file = ResultsTable::file(cesta_hry);
    }
    void TearDown() override
    {
        ui::App::get().reset();
        set_platform(nullptr);
    }
    void store(const std::string& section, std::vector<std::pair<std::string, int>> rows)
    {
        std::string text = "[" + section + "]\n";
        for (size_t i = 0; i < rows.size(); ++i)
            text += "POS" + std::to_string(i + 1) + "=" + rows[i].first + "#" + std::to_string(rows[i].second) + "\n";
        test::write_file(file, text);
    }
    // Runs the table; `during` looks at it while it is up (at virtual time `at`).
    void open(const std::string& key, int level, int16_t result, uint32_t at = 0,
              std::function<void(FrmTabulka&)> during = nullptr)
    {
        if (during) {
            fake.probe_at(at);
            fake.on_idle = [&, at, during](FakePlatform& f) {
                if (f.now_ms() == at)
                    if (auto* t = ui::App::get().find<FrmTabulka>())
                        during(*t);
            };
        }
        ukaz_tabulku(key, level, result);
        fake.on_idle = nullptr;
    }
    MiniTree tree;
    FakePlatform fake;
    std::string file;
};

}  // namespace

TEST_F(TableTest, ANewRecordTakesACyrillicNameAndIsWritten)
{
    store("151", {{"Ира", 40}, {"Олег", 55}});
    fake.type(100, "Женя");
    fake.key(200, 13);
    fake.click(300, kBack.x, kBack.y);
    Rect box;
    open("15", 1, 47, 150, [&](FrmTabulka& t) { box = t.entry_box(); });
    EXPECT_EQ(box.y, 78 + 35 * 2) << "the entry box is not on the new second row";
    ResultsTable back;
    back.load(file, "15", 1);
    EXPECT_EQ(back.places[1].name, "Женя");
    EXPECT_EQ(back.places[1].number, 47);
    EXPECT_EQ(back.places[2].name, "Олег");
    EXPECT_FALSE(ui::App::get().loaded<FrmTabulka>()) << "the table stayed loaded";
}

TEST_F(TableTest, SeparatorsTypedHaveNoEffect)
{
    fake.type(100, "#~@А#н~я");
    fake.key(200, 13);
    fake.click(300, kBack.x, kBack.y);
    open("PUZ", 2, 75);
    ResultsTable back;
    back.load(file, "PUZ", 2);
    EXPECT_EQ(back.places[0].name, "Аня");
    EXPECT_NE(read_file(file).value_or("").find("POS1=Аня#75"), std::string::npos);
}

TEST_F(TableTest, BlankEnterAndBackWriteNothing)
{
    struct Case {
        const char* name;
        std::function<void(FakePlatform&)> script;
    } cases[] = {
        {"enter on a blank box", [](FakePlatform& f) { f.type(100, "   "); f.key(200, 13); f.click(300, kBack.x, kBack.y); }},
        {"back while typing", [](FakePlatform& f) { f.type(100, "Eva"); f.click(300, kBack.x, kBack.y); }},
    };
    for (auto& c : cases) {
        store("KOS3", {{"Ира", 40}});
        const std::string before = read_file(file).value();
        fake = FakePlatform();
        ui::App::get().dispatch_pending();
        c.script(fake);
        std::string row2_name = "?", row2_number = "?";
        open("KOS", 3, 50, 250, [&](FrmTabulka& t) {
            row2_name = t.table().places[1].name;
            row2_number = std::to_string(t.table().places[1].number);
        });
        EXPECT_EQ(read_file(file).value(), before) << c.name << ": the file changed";
        if (std::string(c.name) == "enter on a blank box") {
            EXPECT_EQ(row2_name, "") << c.name << ": the new row was not dropped";
            EXPECT_EQ(row2_number, "32000") << c.name;
        }
    }
}

TEST_F(TableTest, ANonQualifyingResultShowsNothing)
{
    store("TET1", {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 5}, {"f", 6}, {"g", 7}, {"h", 8}});
    const int presents = fake.presents;
    open("TET", 1, 8);
    EXPECT_EQ(fake.now_ms(), 0u) << "the table waited for the child";
    EXPECT_LE(fake.presents, presents + 1);
    EXPECT_FALSE(ui::App::get().loaded<FrmTabulka>());
}

TEST_F(TableTest, SwitchingLevelsRedrawsOnlyTheCakeAndTheColumns)
{
    store("PEX1", {{"Ира", 12}});
    store("PEX2", {{"Олег", 20}, {"Аня", 22}});
    fake.click(300, cake(2).x, cake(2).y);
    fake.click(500, kBack.x, kBack.y);
    Surface level1, level2;
    open("PEX", 1, 32000, 200, [&](FrmTabulka&) { level1 = ui::App::get().frame(); });
    // Second run for the later picture: probes fire once.
    fake = FakePlatform();
    fake.click(300, cake(2).x, cake(2).y);
    fake.click(500, kBack.x, kBack.y);
    open("PEX", 1, 32000, 400, [&](FrmTabulka&) { level2 = ui::App::get().frame(); });
    ASSERT_FALSE(level1.empty());
    ASSERT_FALSE(level2.empty());
    const Rect allowed[] = {{kX + 166, kY + 20, 200, 80}, {kX + 59, kY + 113, 431, 35 * 8}};
    int outside = 0, inside = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            bool differs = level1.pixel(x, y) != level2.pixel(x, y);
            bool may = allowed[0].contains(x, y) || allowed[1].contains(x, y);
            (may ? inside : outside) += differs;
        }
    EXPECT_EQ(outside, 0) << "pixels outside the cakes and the columns changed";
    EXPECT_GT(inside, 0) << "nothing changed on switching levels";
    EXPECT_EQ(uroven, 2);
}

TEST_F(TableTest, ThePanelFloatsOverTheGame)
{
    fake.click(300, kBack.x, kBack.y);
    Surface shown;
    open("COL", 1, 32000, 100, [&](FrmTabulka&) { shown = ui::App::get().frame(); });
    const Surface game = test::pattern(800, 600, 77);
    const Surface panel = tree.bitmap("TABULKA/TAB_COL.BMP");
    EXPECT_EQ(shown.pixel(kX + 5, kY + 5), game.pixel(kX + 5, kY + 5)) << "the key colour did not show the game";
    EXPECT_EQ(shown.pixel(kX + 5, kY + 300), panel.pixel(5, 300));
    EXPECT_EQ(shown.pixel(kX - 1, kY + 300), game.pixel(kX - 1, kY + 300));
    const Surface cake1 = tree.bitmap("TABULKA/TAB_D1.BMP");
    EXPECT_TRUE(shown.crop({kX + 166, kY + 20, cake1.width(), cake1.height()}).same_pixels(cake1))
        << "the cake of the level is not lit";
}

TEST_F(TableTest, AnUnreadableRecordsFileTakesNoNameAndStaysAsItWas)
{
    store("PUZ1", {{"Ира", 40}});
    const std::string before = read_file(file).value_or("");
    set_read_fault([this](const std::string& at) { return at == file; });
    fake.type(100, "Женя");
    fake.key(200, 13);
    fake.click(300, kBack.x, kBack.y);
    bool shown = false;
    open("15", 1, 47, 150, [&](FrmTabulka&) { shown = true; });
    set_read_fault(nullptr);
    EXPECT_FALSE(shown) << "a name was asked for that could not be kept";
    EXPECT_EQ(read_file(file).value_or(""), before) << "the records of the other games were replaced";
    EXPECT_FALSE(ui::App::get().loaded<FrmTabulka>());
}
