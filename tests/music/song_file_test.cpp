// The song file's writer and reader without a screen.
#include "music/song_file.h"

#include "platform/files.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

using namespace bafo;

namespace {

using Events = std::array<Udalost, Studio::kMaxEvents>;

std::string show(const Events& e, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += (i ? " " : "") + std::to_string(e[size_t(i)].cas) + "/" + std::to_string(int(e[size_t(i)].nota)) + "/" +
               e[size_t(i)].stav;
    return out;
}

std::string show_of(const std::vector<Udalost>& u)
{
    Events e{};
    std::copy(u.begin(), u.end(), e.begin());
    return show(e, int(u.size()));
}

std::string lines(std::initializer_list<const char*> fields, const char* end = "\r\n")
{
    std::string out;
    for (const char* f : fields)
        out += std::string(f) + end;
    return out;
}

TEST(SongFile, WritesOneFieldALineWithCrLf)
{
    const std::vector<Udalost> tune = {{0, 60, "ZAP"}, {250, 60, "VYP"}};
    EXPECT_EQ(zapis_pisen(tune), "2\r\n0\r\n60\r\nZAP\r\n250\r\n60\r\nVYP\r\n");
    EXPECT_EQ(zapis_pisen({}), "0\r\n");
}

TEST(SongFile, ReadBackAndWrittenAgainIsByteIdentical)
{
    std::vector<Udalost> tune;
    for (int i = 0; i < Studio::kMaxEvents; ++i)
        tune.push_back({i * 137, uint8_t(60 + i % 13), i % 2 ? "VYP" : "ZAP"});
    for (size_t n : {size_t(0), size_t(1), size_t(2), size_t(999), size_t(1000)}) {
        const std::string bytes = zapis_pisen(std::span(tune).first(n));
        Events e{};
        const int read = precti_pisen(bytes, e);
        ASSERT_EQ(read, int(n)) << bytes.substr(0, 60);
        EXPECT_EQ(zapis_pisen(std::span(e).first(size_t(read))), bytes) << n << " events";
    }
}

TEST(SongFile, ReadsWhatIsValidOfADamagedFile)
{
    const std::string big(10 * 1024 * 1024, '7');
    std::string over = "1200\r\n";
    for (int i = 0; i < 1200; ++i)
        over += std::to_string(i) + "\r\n61\r\nZAP\r\n";
    struct Case {
        const char* what;
        std::string bytes;
        int count;
        std::string events;
    } cases[] = {
        {"commas", "2,0,60,ZAP,250,60,VYP", 2, "0/60/ZAP 250/60/VYP"},
        {"commas and lines", "2\r\n0,60,ZAP\r\n250,60,VYP\r\n", 2, "0/60/ZAP 250/60/VYP"},
        {"lines without CR", lines({"2", "0", "60", "ZAP", "250", "60", "VYP"}, "\n"), 2, "0/60/ZAP 250/60/VYP"},
        {"lines with CR only", lines({"1", "5", "61", "VYP"}, "\r"), 1, "5/61/VYP"},
        {"no line end at the end", "1\r\n5\r\n61\r\nVYP", 1, "5/61/VYP"},
        {"blanks around fields", " 1 \r\n 5\r\n61 \r\n VYP \r\n", 1, "5/61/VYP"},
        {"count above the events", lines({"5", "0", "60", "ZAP"}), 1, "0/60/ZAP"},
        {"last line cut short", "2\r\n0\r\n60\r\nZAP\r\n250\r\n60\r\nVY", 1, "0/60/ZAP"},
        {"last event without kind", "2\r\n0\r\n60\r\nZAP\r\n250\r\n60\r\n", 1, "0/60/ZAP"},
        {"negative time", lines({"2", "0", "60", "ZAP", "-5", "60", "VYP"}), 1, "0/60/ZAP"},
        {"time beyond 32 bits", lines({"1", "2147483648", "60", "ZAP"}), 0, ""},
        {"largest time", lines({"1", "2147483647", "60", "ZAP"}), 1, "2147483647/60/ZAP"},
        {"non-numeric time", lines({"2", "0", "60", "ZAP", "x1", "60", "VYP"}), 1, "0/60/ZAP"},
        {"note above 127", lines({"2", "0", "127", "ZAP", "9", "128", "VYP"}), 1, "0/127/ZAP"},
        {"other kind", lines({"2", "0", "60", "ZAP", "9", "60", "zap"}), 1, "0/60/ZAP"},
        {"empty kind", lines({"1", "0", "60", ""}), 0, ""},
        {"kind of four letters", lines({"1", "0", "60", "ZAPP"}), 0, ""},
        {"count of 30 digits", lines({"999999999999999999999999999999", "0", "60", "ZAP"}), 1, "0/60/ZAP"},
        {"negative count", lines({"-1", "0", "60", "ZAP"}), 0, ""},
        {"non-numeric count", lines({"two", "0", "60", "ZAP"}), 0, ""},
        {"empty file", "", 0, ""},
        {"a 10 MB field", big, 0, ""},
        {"10 MB after the events", "1\r\n0\r\n60\r\nZAP\r\n" + big, 1, "0/60/ZAP"},
        {"NUL bytes", std::string("1\r\n0\r\n6\0\r\nZAP\r\n", 14), 0, ""},
    };
    for (const Case& c : cases) {
        Events e{};
        e[size_t(c.count)] = {42, 42, "OLD"};
        EXPECT_EQ(precti_pisen(c.bytes, e), c.count) << c.what;
        EXPECT_EQ(show(e, c.count), c.events) << c.what;
        EXPECT_EQ(show(e, c.count + 1).substr(c.events.size()), (c.count ? " " : "") + std::string("42/42/OLD"))
            << c.what << ": the event after the last read keeps its contents";
    }
    Events e{};
    EXPECT_EQ(precti_pisen(over, e), Studio::kMaxEvents) << "more than the tune's room";
    EXPECT_EQ(e[999].cas, 999);
}

}  // namespace

// The jukebox's store of a song of 1000 events, in a process killed at random
// moments: SONG1.DAT is afterwards absent (when it never was), the old song or
// the new one, whole, and reads back as such.
TEST(SongFile, AKillWhileStoringLeavesTheOldSongOrTheNew)
{
    test::TempDir dir;
    const std::string file = dir / "SONG1.DAT";
    auto song = [](int n, int step) {
        std::vector<Udalost> u(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            u[size_t(i)] = {i * step, uint8_t(40 + i % 50), i % 2 ? "VYP" : "ZAP"};
        return u;
    };
    const auto old_song = song(300, 7), new_song = song(Studio::kMaxEvents, 11);
    ASSERT_EQ(new_song.size(), 1000u);
    const std::string old_text = zapis_pisen(old_song), new_text = zapis_pisen(new_song);
    const auto before = std::chrono::steady_clock::now();
    ASSERT_TRUE(uloz_pisen(file, new_song));
    const auto one_store =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - before).count();
    delete_file(file);

    const auto k = test::kill_while_storing(
        20261211, one_store, dir.path(), [&](int) { uloz_pisen(file, new_song); },
        [&](int round) {
            const bool had_old = round % 2 == 1;
            const bool cut = test::take_temporary(file);
            SCOPED_TRACE("round " + std::to_string(round) + (had_old ? ", over an old song" : ", no song before"));
            std::string bytes;
            const ReadStatus r = read_file(file, bytes);
            if (r == ReadStatus::Missing) {
                EXPECT_FALSE(had_old) << "the old song is gone";
            } else {
                EXPECT_EQ(r, ReadStatus::Ok);
                EXPECT_TRUE(bytes == new_text || (had_old && bytes == old_text)) << "a torn song of " << bytes.size() << " bytes";
                Events e{};
                const int n = precti_pisen(bytes, e);
                EXPECT_EQ(n, bytes == new_text ? 1000 : 300);
                EXPECT_EQ(show(e, n), bytes == new_text ? show_of(new_song) : show_of(old_song));
            }
            if (round % 2 == 0)
                write_file_atomic(file, old_text);
            else
                delete_file(file);
            return cut;
        });
    EXPECT_GE(k.cut, 5) << "too few kills landed during a write: the test proves little";
}

