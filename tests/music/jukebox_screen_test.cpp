// The jukebox over the studio on the fake platform: choosing records, the
// questions before a song is overwritten or deleted, and the coin that takes
// a song back to the studio.
#include "music/frm_jukebox.h"
#include "music/frm_klavir.h"
#include "music/song_file.h"
#include "platform/files.h"
#include "services/globals.h"
#include "studio_on_fake.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace bafo;
using bafo::test::centre;
using bafo::test::region_is;

namespace {

class JukeboxScreen : public test::StudioOnFake {
protected:
    void SetUp() override
    {
        StudioOnFake::SetUp();
        tree.add_jukebox();
    }
    // A point of the jukebox window on the screen.
    static Point in_box(Point p) { return {FrmJukebox::kPlace.x + p.x, FrmJukebox::kPlace.y + p.y}; }
    void open_jukebox()
    {
        studio_icon(5);
        jukebox = ui::App::get().find<FrmJukebox>();
        ASSERT_NE(jukebox, nullptr);
    }
    void record(int i) { click(in_box(centre(FrmJukebox::record_area(i)))); }
    void icon(int i, uint32_t ms = 200) { click(in_box(centre(FrmJukebox::kIcons[i])), ms); }
    // Answers once Bafo has finished asking.
    void answer(bool yes, Point panel)
    {
        run_to(t + test::MiniTree::kQuestionMs + 200);
        const Rect b = yes ? FrmJukebox::kYes : FrmJukebox::kNo;
        click(in_box({panel.x + centre(b).x, panel.y + centre(b).y}));
    }
    // Records the letters, each held `hold` ms and `gap` ms apart.
    void record_tune(const std::string& letters, uint32_t hold, uint32_t gap)
    {
        studio_icon(2);
        uint32_t at = t + 10;
        for (char c : letters) {
            key(c, true, at);
            key(c, false, at + hold);
            at += gap;
        }
        run_to(at + 10);
        studio_icon(4);
    }
    std::vector<std::string> heard_since(uint32_t from) const
    {
        std::vector<std::string> out;
        for (auto& p : fake.played)
            if (p.at >= from)
                out.push_back(file_name_of(p.path));
        return out;
    }
    bool label_full(int i) const
    {
        const Point at = FrmJukebox::label_at(i);
        const Surface pic = tree.bitmap("MUSIC/JUKEBOX/JB_STRED.BMP");
        return region_is(jukebox->screen, at.x, at.y, pic) && region_is(jukebox->image, at.x, at.y, pic);
    }
    bool label_empty(int i) const
    {
        const Point at = FrmJukebox::label_at(i);
        const Surface pic = tree.bitmap("MUSIC/JUKEBOX/JB_STRNO.BMP");
        return region_is(jukebox->screen, at.x, at.y, pic) && region_is(jukebox->image, at.x, at.y, pic);
    }
    std::string song(int n) const { return tree.dir / ("SONG" + std::to_string(n) + ".DAT"); }

    FrmJukebox* jukebox = nullptr;
};

TEST_F(JukeboxScreen, OpensOverTheStudioWithFullAndEmptyLabels)
{
    test::write_file(song(3), "0\r\n");
    open_studio();
    open_jukebox();
    auto& app = ui::App::get();
    EXPECT_EQ(app.active(), jukebox);
    EXPECT_EQ(jukebox->x, 244);
    EXPECT_EQ(jukebox->y, 163);
    EXPECT_FALSE(studio->enabled());
    EXPECT_FALSE(studio->dancing());
    for (int i = 0; i < FrmJukebox::kRecords; ++i)
        EXPECT_TRUE(i == 2 ? label_full(i) : label_empty(i)) << "record " << i;
    EXPECT_TRUE(region_is(app.frame(), 244, 163, jukebox->image.crop({0, 0, 20, 20})));
    // The studio's keys do not sound under it.
    const size_t sent = fake.midi_sent.size();
    key('A', true, t + 10);
    key('A', false, t + 50);
    run_to(t + 100);
    EXPECT_EQ(fake.midi_sent.size(), sent);
    EXPECT_FALSE(studio->dancing());
}

TEST_F(JukeboxScreen, ASecondClickOnTheChosenRecordUndoesTheChoice)
{
    open_studio();
    open_jukebox();
    const uint32_t from = t;
    record(5);
    EXPECT_EQ(jukebox->vybrana_deska(), 6);
    ASSERT_TRUE(jukebox->frame_shown());
    EXPECT_EQ(jukebox->frame_rect().x, FrmJukebox::record_area(5).x);
    EXPECT_EQ(jukebox->frame_rect().y, FrmJukebox::record_area(5).y);
    record(6);
    EXPECT_EQ(jukebox->vybrana_deska(), 7);
    record(6);
    EXPECT_EQ(jukebox->vybrana_deska(), 0);
    EXPECT_FALSE(jukebox->frame_shown());
    EXPECT_EQ(heard_since(from), (std::vector<std::string>{"CLICK.WAV", "CLICK.WAV"})) << "the undoing click is silent";
}

TEST_F(JukeboxScreen, WithoutAChosenRecordEachIconOnlySpeaks)
{
    const struct {
        int icon;
        const char* voice;
    } cases[] = {{0, "03.WAV"}, {1, "01.WAV"}, {2, "05.WAV"}};
    for (const auto& c : cases) {
        open_studio();
        open_jukebox();
        const uint32_t from = t;
        icon(c.icon);
        EXPECT_EQ(heard_since(from), (std::vector<std::string>{c.voice})) << "icon " << c.icon;
        EXPECT_TRUE(ui::App::get().loaded<FrmJukebox>()) << "icon " << c.icon;
        EXPECT_FALSE(jukebox->asking()) << "icon " << c.icon;
        for (int n = 1; n <= 12; ++n)
            EXPECT_FALSE(file_exists(song(n))) << "icon " << c.icon;
    }
}

TEST_F(JukeboxScreen, StoringOnAnEmptyRecordAsksNothingAndTheLabelTurnsFull)
{
    open_studio();
    record_tune("ASD", 100, 300);
    ASSERT_EQ(studio->studio().delka_pisne(), 6);
    open_jukebox();
    record(0);
    ASSERT_TRUE(label_empty(0));
    const uint32_t from = t;
    icon(1);
    EXPECT_FALSE(jukebox->asking());
    EXPECT_EQ(heard_since(from), (std::vector<std::string>{"CLICK.WAV"}));
    const auto bytes = read_file(song(1));
    ASSERT_TRUE(bytes);
    const auto& u = studio->studio().udalosti();
    EXPECT_EQ(*bytes, zapis_pisen(std::span(u).first(6)));
    EXPECT_EQ(bytes->substr(0, 8), "6\r\n0\r\n60") << *bytes;
    EXPECT_TRUE(label_full(0));
    EXPECT_TRUE(ui::App::get().loaded<FrmJukebox>());
}

TEST_F(JukeboxScreen, StoringAnEmptyTuneWritesTheSingleLineZero)
{
    open_studio();
    open_jukebox();
    record(11);
    icon(1);
    EXPECT_EQ(read_file(song(12)), std::optional<std::string>("0\r\n"));
    EXPECT_TRUE(label_full(11));
}

TEST_F(JukeboxScreen, StoringOverASongAsksAndOnlyYesReplacesIt)
{
    const std::string old = "1\r\n0\r\n64\r\nZAP\r\n";
    for (bool yes : {false, true}) {
        test::write_file(song(4), old);
        open_studio();
        record_tune("G", 100, 200);
        open_jukebox();
        record(3);
        const uint32_t from = t;
        icon(1);
        EXPECT_TRUE(jukebox->asking()) << "yes " << yes;
        EXPECT_EQ(heard_since(from), (std::vector<std::string>{"CLICK.WAV", "02A.WAV"})) << "yes " << yes;
        answer(yes, FrmJukebox::kStorePanel);
        EXPECT_FALSE(jukebox->asking()) << "yes " << yes;
        EXPECT_EQ(read_file(song(4)), std::optional<std::string>(yes ? "2\r\n0\r\n67\r\nZAP\r\n100\r\n67\r\nVYP\r\n" : old))
            << "yes " << yes;
        EXPECT_TRUE(label_full(3)) << "yes " << yes;
        EXPECT_EQ(jukebox->vybrana_deska(), 4) << "yes " << yes;
        // The records take clicks again.
        record(7);
        EXPECT_EQ(jukebox->vybrana_deska(), 8) << "yes " << yes;
    }
}

TEST_F(JukeboxScreen, DeletingAsksEvenForAnEmptyRecord)
{
    const struct {
        bool song, yes;
    } cases[] = {{false, true}, {true, false}, {true, true}};
    for (const auto& c : cases) {
        const std::string what = std::string("song ") + (c.song ? "there" : "none") + ", yes " + (c.yes ? "1" : "0");
        delete_file(song(9));
        if (c.song)
            test::write_file(song(9), "0\r\n");
        open_studio();
        open_jukebox();
        record(8);
        const uint32_t from = t;
        icon(2);
        EXPECT_TRUE(jukebox->asking()) << what;
        EXPECT_EQ(heard_since(from), (std::vector<std::string>{"CLICK.WAV", "06A.WAV"})) << what;
        answer(c.yes, FrmJukebox::kDeletePanel);
        EXPECT_EQ(file_exists(song(9)), c.song && !c.yes) << what;
        EXPECT_EQ(label_full(8), c.song && !c.yes) << what;
        EXPECT_EQ(jukebox->vybrana_deska(), c.yes ? 0 : 9) << what;
        EXPECT_EQ(jukebox->frame_shown(), !c.yes) << what;
    }
}

TEST_F(JukeboxScreen, TheCoinTakesTheSongToTheStudioWherePlaybackSendsItsNotesAtTheirTimes)
{
    test::write_file(song(2), "4\r\n0\r\n60\r\nZAP\r\n300\r\n60\r\nVYP\r\n700,64,ZAP,900,64,VYP\r\n");
    open_studio();
    open_jukebox();
    record(1);
    icon(0);
    auto& app = ui::App::get();
    EXPECT_FALSE(app.loaded<FrmJukebox>());
    EXPECT_EQ(app.active(), studio);
    EXPECT_TRUE(studio->enabled());
    ASSERT_EQ(studio->studio().delka_pisne(), 4);
    const uint32_t from = t + 1;
    studio_icon(3, 1500);
    std::vector<std::string> got;
    uint32_t t0 = 0;
    for (auto& m : fake.midi_sent) {
        if (m.at < from || (m.message & 0xF0) != 0x90)
            continue;
        if (got.empty())
            t0 = m.at;
        got.push_back(std::to_string(m.message >> 8 & 0xFF) + " " + std::to_string(m.message >> 16 & 0xFF) + " @" +
                      std::to_string(m.at - t0));
    }
    // Before a note starts the studio ends the one it started last, whether or not it was let go.
    EXPECT_EQ(got, (std::vector<std::string>{"60 127 @0", "60 0 @300", "60 0 @700", "64 127 @700", "64 0 @900"}));
}

TEST_F(JukeboxScreen, ACoinOnAnEmptyOrUnreadableRecordEmptiesTheTuneAndStillCloses)
{
    for (bool unreadable : {false, true}) {
        if (unreadable) {
            test::write_file(song(5), "1\r\n0\r\n60\r\nZAP\r\n");
            set_read_fault([this](const std::string& p) { return p == song(5); });
        }
        open_studio();
        record_tune("A", 100, 200);
        open_jukebox();
        record(4);
        const uint32_t from = t;
        icon(0);
        EXPECT_EQ(heard_since(from), (std::vector<std::string>{"CLICK.WAV", "04.WAV"})) << "unreadable " << unreadable;
        EXPECT_EQ(studio->studio().delka_pisne(), 0) << "unreadable " << unreadable;
        EXPECT_FALSE(ui::App::get().loaded<FrmJukebox>()) << "unreadable " << unreadable;
    }
    set_read_fault({});
}

TEST_F(JukeboxScreen, OpeningTheJukeboxEndsARecordingOrAPlayback)
{
    open_studio();
    studio_icon(2);
    key('A', true, t + 10);
    key('A', false, t + 110);
    key('S', true, t + 2010);
    key('S', false, t + 2110);
    run_to(t + 2150);
    open_jukebox();
    EXPECT_FALSE(studio->studio().nahravani());
    EXPECT_EQ(studio->studio().delka_pisne(), 4);
    ui::App::get().unload(*jukebox);
    studio->set_enabled(true);
    ui::App::get().show(*studio);
    run_to(t + 100);

    // Played back and stopped by the jukebox after its first note: no note rings on under it.
    const Point play = centre(FrmKlavir::kIcons[3]), box = centre(FrmKlavir::kIcons[5]);
    fake.click(t + 1, play.x, play.y);
    fake.click(t + 500, box.x, box.y);
    run_to(t + 3000);
    EXPECT_FALSE(studio->studio().prehravani());
    std::vector<std::string> notes;
    for (auto& m : fake.midi_sent)
        if (m.at > t - 3000 && (m.message & 0xF0) == 0x90)
            notes.push_back(std::to_string(m.message >> 8 & 0xFF) + " " + std::to_string(m.message >> 16 & 0xFF));
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes.front(), "60 127");
    EXPECT_EQ(std::count(notes.begin(), notes.end(), "62 127"), 0) << "the note after the stop was sent";
    EXPECT_EQ(notes.back(), "60 0");
}

TEST_F(JukeboxScreen, IconsLightUnderThePointerAndGoOutOverTheBackground)
{
    open_studio();
    open_jukebox();
    const char* lit[3] = {"JB_COIN1.BMP", "JB_ULOZ.BMP", "JB_SMAZ.BMP"};
    const Surface bg = tree.bitmap("MUSIC/JUKEBOX/JB_BG1.BMP");
    for (int i = 0; i < 3; ++i) {
        const Point p = in_box(centre(FrmJukebox::kIcons[i]));
        fake.move(t + 1, p.x, p.y);
        run_to(t + 50);
        const Surface pic = tree.bitmap(std::string("MUSIC/JUKEBOX/") + lit[i]);
        const Point at = FrmJukebox::kIconLit[i];
        EXPECT_TRUE(region_is(jukebox->screen, at.x, at.y, pic)) << lit[i];
        const Point away = in_box({300, 10});
        fake.move(t + 1, away.x, away.y);
        run_to(t + 50);
        EXPECT_TRUE(region_is(jukebox->screen, at.x, at.y, bg.crop({at.x, at.y, pic.width(), pic.height()}))) << lit[i];
    }
}

}  // namespace
