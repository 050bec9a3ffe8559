#include "platform/files.h"
#include "platform/ini.h"
#include "results/results_table.h"
#include "test_support.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace bafo;
using bafo::test::TempDir;

namespace {
std::string numbers(const ResultsTable& t)
{
    std::string s;
    for (auto& e : t.places)
        s += e.name + "#" + std::to_string(e.number) + " ";
    return s;
}
}  // namespace

TEST(ResultsTable, StoredValuesAndWhatBecomesOfThem)
{
    struct Case {
        std::string value, name;
        int16_t number;
    } cases[] = {
        {"Eva#75", "Eva", 75},       {"  Eva  #7", "Eva", 7},     {"Eva#007", "Eva", 7},
        {"Eva#12abc", "Eva", 12},    {"#32000", "", 32000},       {"Eva", "", 32000},
        {"Eva#", "", 32000},         {"Eva#-5", "", 32000},       {"Eva#abc", "", 32000},
        {"Eva#32000", "", 32000},    {"Eva#99999999", "", 32000}, {"ERROR", "", 32000},
        {"E~v@a#5", "Eva", 5},       {"Ан#я#5", "", 32000},       {"Мила#31999", "Мила", 31999},
        {"\x01" "Bob\x7f#3", "Bob", 3}, {"", "", 32000},
    };
    for (const auto& c : cases) {
        ResultEntry e = ResultsTable::parse(c.value);
        EXPECT_EQ(e.name, c.name) << "value '" << c.value << "'";
        EXPECT_EQ(e.number, c.number) << "value '" << c.value << "'";
    }
}

TEST(ResultsTable, FirstUseEntersAtTheTopAndWritesAllEightPlaces)
{
    TempDir d;
    const std::string f = ResultsTable::file(d.path());
    ResultsTable t;
    t.load(f, "PUZ", 2);
    for (auto& e : t.places)
        EXPECT_EQ(e.number, ResultsTable::kEmpty);
    ASSERT_TRUE(t.qualifies(31999));
    EXPECT_EQ(t.enter(75), 0);
    t.name_marker(" Eva ");
    ASSERT_TRUE(t.save(f, "PUZ", 2));
    const std::string text = read_file(f).value();
    EXPECT_NE(text.find("[PUZ2]"), std::string::npos) << text;
    EXPECT_NE(text.find("POS1=Eva#75"), std::string::npos) << text;
    for (int i = 2; i <= 8; ++i)
        EXPECT_NE(text.find("POS" + std::to_string(i) + "=#32000"), std::string::npos) << "place " << i << " in\n" << text;
}

TEST(ResultsTable, QualifyingAndRanking)
{
    struct Case {
        const char* name;
        std::vector<int16_t> before;  // the eight stored numbers, in place order
        int16_t result;
        int want_row;  // -1: does not enter
    } cases[] = {
        {"equal to place 8 stays out", {1, 2, 3, 4, 5, 6, 7, 8}, 8, -1},
        {"one less than place 8 enters last", {1, 2, 3, 4, 5, 6, 7, 8}, 7, 7},
        {"equal ranks below the older", {10, 20, 30, 40, 50, 60, 70, 80}, 30, 3},
        {"best of all", {10, 20, 30, 40, 50, 60, 70, 80}, 5, 0},
        {"ties everywhere", {9, 9, 9, 9, 9, 9, 9, 32000}, 9, 7},
        {"half full", {10, 20, 32000, 32000, 32000, 32000, 32000, 32000}, 15, 1},
        {"only show", {1, 2, 3, 4, 5, 6, 7, 8}, 32000, -1},
    };
    for (const auto& c : cases) {
        ResultsTable t;
        for (size_t i = 0; i < 8; ++i)
            t.places[i] = {"p" + std::to_string(i + 1), c.before[i]};
        if (!t.qualifies(c.result)) {
            EXPECT_EQ(c.want_row, -1) << c.name;
            continue;
        }
        int row = t.enter(c.result);
        EXPECT_EQ(row, c.want_row) << c.name << ": " << numbers(t);
        for (size_t i = 1; i < 8; ++i)
            EXPECT_LE(t.places[i - 1].number, t.places[i].number) << c.name << ": " << numbers(t);
        // Equal older entries keep their places above: original order of the rest is kept.
        std::string order;
        for (auto& e : t.places)
            if (e.name != "~")
                order += e.name;
        std::string want;
        for (size_t i = 0; i < 7; ++i)
            want += "p" + std::to_string(i + 1);
        EXPECT_EQ(order, want) << c.name;
    }
}

TEST(ResultsTable, TimesAndCounts)
{
    struct Case {
        const char* key;
        int16_t n;
        const char* shown;
    } cases[] = {
        {"PUZ", 0, "00:00"},  {"PUZ", 9, "00:09"},     {"KOS", 75, "01:15"},  {"COL", 600, "10:00"},
        {"TET", 6000, "100:00"}, {"TET", 31999, "533:19"}, {"15", 42, "42"},    {"PEX", 7, "7"},
        {"15", 32000, ""},    {"PUZ", 32000, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format_result(c.key, c.n), c.shown) << c.key << " " << c.n;
    EXPECT_EQ(ResultsTable::section("15", 1), "151");
    EXPECT_EQ(ResultsTable::section("15", 3), "153");
    EXPECT_EQ(ResultsTable::section("PEX", 2), "PEX2");
    EXPECT_EQ(clamp_result(32000), 31999);
    EXPECT_EQ(clamp_result(1 << 20), 31999);
    EXPECT_EQ(clamp_result(-3), 0);
}

TEST(ResultsTable, DamagedFilesReadWhatTheyCanAndAreWrittenCleanly)
{
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"garbage", std::string("\0\xff\xfe[PUZ1\n=#\n\x01\x02POS1=\xc3#\n", 20)},
        {"duplicates", "[PUZ1]\nPOS1=A#5\nPOS1=B#1\n[PUZ1]\nPOS2=C#2\n"},
        {"long lines", "[PUZ1]\nPOS1=" + std::string(10000, 'x') + "#3\nPOS2=Y#" + std::string(10000, '9') + "\n"},
        {"marker in a name", "[PUZ1]\nPOS1=~#5\nPOS2=@~##4\n"},
    };
    for (const auto& c : cases) {
        TempDir d;
        const std::string f = ResultsTable::file(d.path());
        test::write_file(f, c.text);
        ResultsTable t;
        t.load(f, "PUZ", 1);
        EXPECT_EQ(t.marker_row(), -1) << c.name << ": a stored name became the marker";
        int row = t.enter(1);
        ASSERT_GE(row, 0) << c.name;
        t.name_marker("Аня");
        ASSERT_TRUE(t.save(f, "PUZ", 1)) << c.name;
        ResultsTable back;
        back.load(f, "PUZ", 1);
        EXPECT_EQ(back.places[0].name, "Аня") << c.name << "\n" << read_file(f).value_or("");
        EXPECT_EQ(back.places[0].number, 1) << c.name;
        for (auto& e : back.places)
            EXPECT_EQ(e.name.find_first_of("#~@\n"), std::string::npos) << c.name;
    }
}

TEST(ResultsTable, NamesKeepOnlyWhatTheFileCanHold)
{
    struct Case {
        const char *typed, *kept;
    } cases[] = {{"  Eva  ", "Eva"}, {"E#v~a@", "Eva"}, {"Женя\n", "Женя"}, {"a\tb", "ab"}, {"   ", ""},
                 {"Žofie Čermáková", "Žofie Čermáková"}, {"\xd0", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(clean_name(c.typed), c.kept) << "typed '" << c.typed << "'";
}

TEST(ResultsTable, AFileThatCannotBeReadIsNeverReplaced)
{
    // Every game's records share one file: losing a read must not lose them all.
    const std::string kept = "[PUZ1]\nPOS1=Eva#75\n[TET2]\nPOS1=Ota#300\n";
    struct Case {
        const char* name;
        std::function<void(const std::string& path)> make;  // leaves something unreadable at path
    } cases[] = {
        {"an I/O error",
         [&](const std::string& p) {
             test::write_file(p, kept);
             set_read_fault([p](const std::string& at) { return at == p; });
         }},
        {"a pipe", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0) << p; }},
        {"a directory", [](const std::string& p) { std::filesystem::create_directories(p + "/x"); }},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string file = ResultsTable::file(dir.path());
        c.make(file);
        ResultsTable t;
        EXPECT_FALSE(t.load(file, "15", 1)) << c.name << ": read as if it were missing";
        EXPECT_EQ(numbers(t), numbers(ResultsTable{})) << c.name;
        t.enter(40);
        t.name_marker("Ida");
        EXPECT_FALSE(t.save(file, "15", 1)) << c.name << ": reported as stored";
        EXPECT_FALSE(ini_write(file, "151", "POS1", "Ida#40")) << c.name << ": the settings writer replaced it";
        set_read_fault(nullptr);
        std::string now;
        const ReadStatus st = read_file(file, now);
        if (std::string(c.name) == "an I/O error")
            EXPECT_EQ(now, kept) << c.name << ": the file was replaced";
        else
            EXPECT_EQ(st, ReadStatus::Failed) << c.name << ": the " << c.name << " was replaced by a file";
    }
    // A missing file is simply a first use.
    TempDir dir;
    ResultsTable t;
    EXPECT_TRUE(t.load(ResultsTable::file(dir.path()), "15", 1));
    t.enter(40);
    EXPECT_TRUE(t.save(ResultsTable::file(dir.path()), "15", 1));
}

// The store of a new result with a name, in a process killed at random
// moments: VYSLEDKY.DAT is afterwards absent (when it never was), the old file
// or the new one, whole, and reads as such.
TEST(ResultsTable, AKillWhileStoringLeavesTheOldFileOrTheNew)
{
    TempDir dir;
    const std::string file = ResultsTable::file(dir.path());
    // Many games and levels: a write takes long enough for kills to land in it.
    std::string old_text;
    for (int g = 0; g < 30; ++g)
        for (int level = 1; level <= 10; ++level)
            for (int i = 1; i <= 8; ++i)
                old_text = ini_set(old_text, ResultsTable::section("HRA" + std::to_string(g), level),
                                   "POS" + std::to_string(i), "Dita" + std::to_string(i) + "#" + std::to_string(10 * i + g));
    auto store = [&] {
        ResultsTable t;
        t.load(file, "HRA7", 3);
        t.enter(15);
        t.name_marker("Ema");
        return t.save(file, "HRA7", 3);
    };
    // The two files a store may leave, from an old file and from none.
    std::string new_text, new_from_none;
    test::write_file(file, old_text);
    const auto before = std::chrono::steady_clock::now();
    ASSERT_TRUE(store());
    const auto one_store =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - before).count();
    new_text = read_file(file).value();
    delete_file(file);
    ASSERT_TRUE(store());
    new_from_none = read_file(file).value();
    delete_file(file);

    const auto k = test::kill_while_storing(
        20261210, one_store, dir.path(),
        [&](int) {
            store();
        },
        [&](int round) {
            const bool had_old = round % 2 == 1;
            const bool cut = test::take_temporary(file);
            SCOPED_TRACE("round " + std::to_string(round) + (had_old ? ", over an old file" : ", no file before"));
            const auto text = read_file(file);
            if (!text) {
                EXPECT_FALSE(had_old) << "the old file is gone";
            } else if (had_old) {
                EXPECT_TRUE(*text == old_text || *text == new_text) << "a torn file of " << text->size() << " bytes";
            } else {
                EXPECT_EQ(*text, new_from_none) << "a torn file";
            }
            ResultsTable t;
            EXPECT_TRUE(t.load(file, "HRA7", 3));
            // Ema's 15 heads the new table; the old one starts with Dita1's 17.
            if (text) {
                const bool is_new = *text != old_text;
                EXPECT_EQ(t.places[0].name, is_new ? "Ema" : "Dita1") << numbers(t);
                EXPECT_EQ(t.places[0].number, is_new ? 15 : 17) << numbers(t);
            }
            // The next round starts from an old file on odd rounds, from none on even ones.
            if (round % 2 == 0)
                test::write_file(file, old_text);
            else
                delete_file(file);
            return cut;
        });
    EXPECT_GE(k.cut, 5) << "too few kills landed during a write: the test proves little";
}
