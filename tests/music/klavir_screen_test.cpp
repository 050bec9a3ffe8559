// The music studio's screen on the fake platform: the notes sent, the
// pictures drawn, the recorder, playback, rhythms, dances and the way out.
#include "menus/frm_select.h"
#include "music/frm_klavir.h"
#include "platform/bitmap_file.h"
#include "platform/files.h"
#include "services/globals.h"
#include "services/midi.h"
#include "services/sound.h"
#include "studio_on_fake.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

using namespace bafo;
using bafo::test::centre;
using bafo::test::region_is;

namespace {

class StudioScreen : public test::StudioOnFake {
protected:
    void instrument(int i) { click(centre(Studio::kNastroje[i].area)); }
    // Presses and lets go of each letter, `gap` ms apart, starting 10 ms from now.
    void play_letters(const std::string& letters, uint32_t hold, uint32_t gap)
    {
        uint32_t at = t + 10;
        for (char c : letters) {
            key(c, true, at);
            key(c, false, at + hold);
            at += gap;
        }
        run_to(at + 10);
    }
    // Messages sent from `from` on, as "status data1 data2".
    std::vector<std::string> sent(uint32_t from = 0) const
    {
        std::vector<std::string> out;
        for (auto& m : fake.midi_sent)
            if (m.at >= from)
                out.push_back(std::to_string(m.message & 0xFF) + " " + std::to_string(m.message >> 8 & 0xFF) + " " +
                              std::to_string(m.message >> 16 & 0xFF));
        return out;
    }
    std::vector<std::string> notes_on(uint32_t from) const
    {
        std::vector<std::string> out;
        for (auto& m : sent(from))
            if (m.rfind("144 ", 0) == 0 && m.substr(m.size() - 2) != " 0")
                out.push_back(m);
        return out;
    }
    bool shows(const std::string& rel, Point at) const
    {
        return region_is(studio->screen, at.x, at.y, tree.bitmap(rel)) && region_is(studio->image, at.x, at.y, tree.bitmap(rel));
    }
    size_t clicks() const
    {
        size_t n = 0;
        for (auto& p : fake.played)
            n += file_name_of(p.path) == "CLICK.WAV";
        return n;
    }
};

TEST_F(StudioScreen, LoadOpensTheSynthesiserWithThePiano)
{
    open_studio();
    EXPECT_EQ(fake.midi_open_device, -1);
    EXPECT_EQ(sent(), (std::vector<std::string>{"176 0 0", "192 1 0"}));
    EXPECT_TRUE(fake.midi_listening);
    EXPECT_TRUE(shows("MUSIC/N_KLAVI.BMP", {0, 0}));
    EXPECT_TRUE(region_is(studio->screen, 100, 100, tree.bitmap("MUSIC/BG.BMP").crop({100, 100, 300, 300})));
    EXPECT_EQ(studio->rhythm_text(), "1");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(StudioScreen, WithoutAReadableSynthesiserDeviceZeroOpens)
{
    fake.midi_devices = {"Port A", "Port B"};
    fake.midi_unreadable = {-1};
    open_studio();
    ASSERT_EQ(studio->devices().size(), 2u);
    EXPECT_EQ(studio->devices()[0].data, 0);
    EXPECT_EQ(fake.midi_open_device, 0);
}

TEST_F(StudioScreen, WithNoMidiDeviceAtAllTheStudioStillPlays)
{
    fake.midi_unreadable = {-1};
    open_studio();
    EXPECT_TRUE(studio->devices().empty());
    EXPECT_EQ(fake.midi_open_device, -2);
    key('A', true, t + 10);
    run_to(t + 30);
    EXPECT_TRUE(studio->dancing());
    key('A', false, t + 10);
    play_letters("SD", 100, 200);
    studio_icon(7);
    EXPECT_TRUE(fake.midi_sent.empty());
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(studio->studio().posledni_nota(), 64);
    ASSERT_FALSE(fake.played.empty());
    EXPECT_EQ(file_name_of(fake.played.back().path), "BOOGIE.WAV");
}

TEST_F(StudioScreen, KeysByMouseLettersAndMidiKeyboard)
{
    open_studio();
    // A black key's area lies over two white keys: the black key sounds.
    struct Case {
        Point at;
        int note;
    } cases[] = {{centre(Studio::kKeyAreas[0]), 60}, {{150, 540}, 61}, {{150, 580}, 60}, {{460, 540}, 68}, {{700, 560}, 72}};
    for (auto& c : cases) {
        const uint32_t from = t + 1;
        click(c.at);
        EXPECT_EQ(notes_on(from), (std::vector<std::string>{"144 " + std::to_string(c.note) + " 127"}))
            << "click at " << c.at.x << "," << c.at.y;
    }
    // Auto-repeat: the second and third key-down of a held A play nothing.
    uint32_t from = t + 1;
    key('A', true, t + 10);
    key('A', true, t + 40);
    key('A', true, t + 70);
    key('A', false, t + 100);
    run_to(t + 200);
    EXPECT_EQ(sent(from), (std::vector<std::string>{"144 72 0", "144 60 127", "144 60 0"}));
    // A MIDI keyboard's notes 60..72 are the keys; others are not heard.
    from = t + 1;
    fake.midi_note(t + 10, 64, 90);
    fake.midi_note(t + 60, 59, 90);
    fake.midi_note(t + 80, 73, 90);
    fake.midi_note(t + 100, 64, 0);
    run_to(t + 200);
    EXPECT_EQ(sent(from), (std::vector<std::string>{"144 60 0", "144 64 127", "144 64 0"}));
}

TEST_F(StudioScreen, AnInstrumentClickMovesTheHighlight)
{
    open_studio();
    const size_t before = clicks();
    const uint32_t from = t + 1;
    instrument(1);
    EXPECT_EQ(clicks(), before + 1);
    EXPECT_EQ(sent(from), (std::vector<std::string>{"176 0 0", "192 56 0"}));
    EXPECT_TRUE(shows("MUSIC/N_TRUMP.BMP", Studio::kNastroje[1].lit));
    const Surface bg = tree.bitmap("MUSIC/BG.BMP");
    EXPECT_TRUE(region_is(studio->screen, 0, 0, bg.crop({0, 0, 78, 70})));
    EXPECT_TRUE(region_is(studio->image, 0, 0, bg.crop({0, 0, 78, 70})));
    instrument(9);
    EXPECT_TRUE(shows("MUSIC/N_DUDY.BMP", Studio::kNastroje[9].lit));
    EXPECT_TRUE(region_is(studio->screen, 0, 86, bg.crop({0, 86, 78, 70})));
    EXPECT_EQ(studio->studio().nastroj(), 9);
}

TEST_F(StudioScreen, ATunePlaysBackWithTheInstrumentOfNow)
{
    struct Case {
        int instrument;
        std::vector<std::string> notes;
    } cases[] = {{0, {"144 60 127", "144 62 127", "144 64 127"}},
                 {1, {"144 72 127", "144 74 127", "144 76 127"}},
                 {4, {"144 36 127", "144 38 127", "144 40 127"}}};
    for (auto& c : cases) {
        open_studio();
        studio_icon(2);
        EXPECT_TRUE(shows("MUSIC/RECORD1.BMP", FrmKlavir::kRecordAt));
        EXPECT_FALSE(studio->instruments_take_clicks());
        play_letters("ASD", 150, 300);
        studio_icon(4);
        EXPECT_TRUE(shows("MUSIC/RECORD.BMP", FrmKlavir::kRecordAt));
        ASSERT_EQ(studio->studio().delka_pisne(), 6);
        EXPECT_EQ(studio->studio().udalost(1).cas, 0);
        EXPECT_EQ(studio->studio().udalost(3).cas, 300);
        instrument(c.instrument);
        const uint32_t from = t + 1;
        studio_icon(3, 2000);
        EXPECT_EQ(notes_on(from), c.notes) << "instrument " << c.instrument;
        // Each event at its own time from the start of the playback.
        std::vector<uint32_t> at;
        for (auto& m : fake.midi_sent)
            if (m.at >= from && (m.message & 0xFF) == 144 && (m.message >> 16) == 127)
                at.push_back(m.at);
        ASSERT_EQ(at.size(), 3u);
        EXPECT_EQ(at[1] - at[0], 300u);
        EXPECT_EQ(at[2] - at[0], 600u);
        EXPECT_TRUE(shows("MUSIC/PLAY.BMP", FrmKlavir::kPlayAt));
        EXPECT_TRUE(studio->instruments_take_clicks());
        EXPECT_FALSE(studio->studio().prehravani());
        TearDown();
    }
}

TEST_F(StudioScreen, AFullTuneEndsTheRecordingItself)
{
    open_studio();
    studio_icon(2);
    // 501 presses and releases: the tune is full at the 500th release.
    for (uint32_t i = 0; i < 501; ++i) {
        key('G', true, t + 10 + 20 * i);
        key('G', false, t + 20 + 20 * i);
    }
    fake.probe_at(t + 20 + 20 * 499 + 1);
    bool lamp_out_at_full = false;
    const uint32_t full_at = t + 20 + 20 * 499 + 1;
    fake.on_idle = [&](FakePlatform& f) {
        if (!lamp_out_at_full && f.now_ms() >= full_at && f.now_ms() < full_at + 5)
            lamp_out_at_full = region_is(studio->screen, FrmKlavir::kRecordAt.x, FrmKlavir::kRecordAt.y, tree.bitmap("MUSIC/RECORD.BMP"));
    };
    const uint32_t from = t + 1;
    run_to(t + 20 * 502);
    EXPECT_TRUE(lamp_out_at_full) << "the record lamp goes out as the tune fills";
    EXPECT_FALSE(studio->studio().nahravani());
    EXPECT_EQ(studio->studio().delka_pisne(), Studio::kMaxEvents);
    EXPECT_TRUE(studio->instruments_take_clicks());
    // The 501st press still sounds.
    EXPECT_EQ(notes_on(from).size(), 501u);
}

TEST_F(StudioScreen, StopDuringPlaybackSilencesEveryNoteSentSoFar)
{
    open_studio();
    studio_icon(2);
    play_letters("ASDF", 400, 500);
    studio_icon(4);
    ASSERT_EQ(studio->studio().delka_pisne(), 8);
    const uint32_t from = t + 1;
    fake.click(from + 800, centre(FrmKlavir::kIcons[4]).x, centre(FrmKlavir::kIcons[4]).y);
    studio_icon(3, 3000);
    // Played: A on, A off, S on (at 0, 400, 500); stopped at 800, before S is let go.
    auto after = sent(from);
    ASSERT_GE(after.size(), 3u);
    std::vector<std::string> silence(after.end() - 3, after.end());
    EXPECT_EQ(silence, (std::vector<std::string>{"144 60 0", "144 60 0", "144 62 0"}));
    EXPECT_EQ(notes_on(from), (std::vector<std::string>{"144 60 127", "144 62 127"}));
    EXPECT_FALSE(studio->studio().prehravani());
    EXPECT_TRUE(shows("MUSIC/PLAY.BMP", FrmKlavir::kPlayAt));
    // The keys play again.
    const uint32_t later = t + 1;
    play_letters("G", 100, 100);
    EXPECT_EQ(notes_on(later), (std::vector<std::string>{"144 67 127"}));
}

TEST_F(StudioScreen, ExitDuringPlaybackLeavesForTheMenu)
{
    open_studio();
    studio_icon(2);
    play_letters("ASDF", 400, 500);
    studio_icon(4);
    hraj_wave(tree.data("MUSIC/RYTMY/ROCK.WAV"), true);
    const Point exit = centre(FrmKlavir::kIcons[0]);
    fake.click(t + 700, exit.x, exit.y);
    studio_icon(3, 3000);
    EXPECT_FALSE(ui::App::get().loaded<FrmKlavir>());
    ASSERT_TRUE(ui::App::get().loaded<FrmSelect>());
    EXPECT_TRUE(ui::App::get().find<FrmSelect>()->visible());
    EXPECT_EQ(fake.midi_open_device, -2);
    EXPECT_FALSE(fake.midi_listening);
    EXPECT_FALSE(midi_otevreno());
    // Nothing played after the exit.
    EXPECT_LT(fake.midi_sent.back().at, t - 2000);
}

TEST_F(StudioScreen, ExitSilencesTheNoteAndClosesTheDevice)
{
    open_studio();
    click(centre(Studio::kKeyAreas[4]));
    const uint32_t from = t + 1;
    studio_icon(0);
    EXPECT_EQ(sent(from), (std::vector<std::string>{"144 67 0", "176 123 0"}));
    EXPECT_EQ(fake.midi_open_device, -2);
    EXPECT_FALSE(fake.midi_listening);
    EXPECT_FALSE(ui::App::get().loaded<FrmKlavir>());
    EXPECT_TRUE(ui::App::get().loaded<FrmSelect>());
}

TEST_F(StudioScreen, AnEmptyTuneOnlyLightsThePlayButton)
{
    open_studio();
    studio_icon(2);
    studio_icon(4);
    EXPECT_EQ(studio->studio().delka_pisne(), 0);
    const uint32_t from = t + 1;
    bool lit_seen = false;
    fake.on_idle = [&](FakePlatform&) {
        if (studio->studio().prehravani())
            lit_seen = lit_seen || region_is(studio->screen, FrmKlavir::kPlayAt.x, FrmKlavir::kPlayAt.y, tree.bitmap("MUSIC/PLAY1.BMP"));
    };
    studio_icon(3);
    EXPECT_TRUE(sent(from).empty());
    EXPECT_TRUE(shows("MUSIC/PLAY.BMP", FrmKlavir::kPlayAt));
    EXPECT_FALSE(studio->studio().prehravani());
    EXPECT_FALSE(studio->dancing());
}

TEST_F(StudioScreen, RhythmsLoopAndCycle)
{
    open_studio();
    std::vector<std::string> labels;
    for (int i = 0; i < 9; ++i) {
        studio_icon(6);
        labels.push_back(studio->rhythm_text());
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8", "9", "1"}));
    EXPECT_TRUE(fake.played.empty() || file_name_of(fake.played.back().path) != "BOOGIE.WAV");
    studio_icon(7);
    ASSERT_FALSE(fake.played.empty());
    EXPECT_EQ(file_name_of(fake.played.back().path), "BOOGIE.WAV");
    EXPECT_TRUE(fake.played.back().loop);
    EXPECT_FALSE(fake.played.back().channel);
    studio_icon(6);
    EXPECT_EQ(file_name_of(fake.played.back().path), "COUNTRY.WAV");
    EXPECT_TRUE(fake.played.back().loop);
    const size_t n = fake.played.size();
    studio_icon(7);
    studio_icon(6);
    // The fake records a stop of the wave call as an empty path: the rhythm
    // stopped, and the next number started nothing.
    ASSERT_EQ(fake.played.size(), n + 1);
    EXPECT_EQ(fake.played.back().path, "");
    EXPECT_FALSE(studio->studio().rytmus_hraje);
}

TEST_F(StudioScreen, KeyHelpShowsTheLettersForThreeSeconds)
{
    open_studio();
    std::vector<std::string> during;
    const uint32_t probe = t + 1500;
    fake.probe_at(probe);
    fake.on_idle = [&](FakePlatform& f) {
        if (during.empty() && f.now_ms() >= probe)
            for (int k = 0; k < Studio::kKeys; ++k)
                during.push_back(studio->key_text(k));
    };
    const uint32_t from = t + 1;
    key('A', true, t + 1000);
    key('A', false, t + 1100);
    studio_icon(1, 3500);
    EXPECT_EQ(during, (std::vector<std::string>{"A", "S", "D", "F", "G", "H", "J", "K", "W", "E", "T", "Y", "U"}));
    for (int k = 0; k < Studio::kKeys; ++k)
        EXPECT_EQ(studio->key_text(k), "") << k;
    EXPECT_TRUE(notes_on(from).empty()) << "a key during the help";
    EXPECT_TRUE(studio->enabled());
}

TEST_F(StudioScreen, BafoDancesOnTheTimerWithoutSound)
{
    open_studio();
    const size_t sounds = fake.played.size();
    fake.probe_at(t + 30);
    fake.probe_at(t + 200);
    std::map<uint32_t, Surface> shots;
    const uint32_t t0 = t;
    fake.on_idle = [&](FakePlatform& f) {
        for (uint32_t at : {t0 + 30, t0 + 200})
            if (!shots.count(at) && f.now_ms() >= at) {
                ui::App::get().present();
                shots[at] = ui::App::get().frame().crop(test::MiniTree::kDanceRect);
            }
    };
    key('J', true, t + 10);
    key('J', false, t + 20);
    run_to(t + 100);
    EXPECT_TRUE(studio->dancing());
    const Rect box = studio->dance_box().rect(), want = test::MiniTree::kDanceRect;
    EXPECT_TRUE(box.x == want.x && box.y == want.y && box.w == want.w && box.h == want.h);
    run_to(t0 + 400);
    ASSERT_EQ(shots.size(), 2u);
    EXPECT_FALSE(region_is(shots[t0 + 30], 0, 0, shots[t0 + 200])) << "the dance's frames change";
    // 50 ms for the first frame, then 100 ms for each of the two others.
    EXPECT_FALSE(studio->dancing());
    EXPECT_FALSE(studio->dance_box().visible());
    EXPECT_EQ(fake.played.size(), sounds);
    // A new note starts a new dance.
    click(centre(Studio::kKeyAreas[0]), 20);
    EXPECT_TRUE(studio->dancing());
}

TEST_F(StudioScreen, MidiKeyboardNotesAreRecordedAndPlayedBack)
{
    open_studio();
    studio_icon(2);
    fake.midi_note(t + 100, 67, 80);
    fake.midi_note(t + 350, 67, 0);
    fake.midi_note(t + 400, 50, 80);
    fake.midi_note(t + 500, 72, 80);
    fake.midi_note(t + 600, 72, 0);
    run_to(t + 700);
    studio_icon(4);
    ASSERT_EQ(studio->studio().delka_pisne(), 4);
    const int want[4][2] = {{0, 67}, {250, 67}, {400, 72}, {500, 72}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(studio->studio().udalost(i + 1).cas, want[i][0]) << i;
        EXPECT_EQ(studio->studio().udalost(i + 1).nota, want[i][1]) << i;
    }
    const uint32_t from = t + 1;
    studio_icon(3, 1000);
    EXPECT_EQ(notes_on(from), (std::vector<std::string>{"144 67 127", "144 72 127"}));
}

TEST(StudioFromMenu, TheMusicBalloonOpensTheStudioAndBackReturns)
{
    test::ProgramRun r;
    r.tree.add_studio();
    r.to_menu();
    const Rect b = FrmSelect::kAreas[6];
    r.fake.click(test::ProgramRun::kReady, b.x + b.w / 2, b.y + b.h / 2);
    std::map<uint32_t, std::pair<bool, bool>> seen;  // studio shown, menu shown
    for (uint32_t at : {test::ProgramRun::kReady + 500, test::ProgramRun::kReady + 2500})
        r.fake.probe_at(at);
    r.fake.on_idle = [&](FakePlatform& f) {
        for (uint32_t at : {test::ProgramRun::kReady + 500, test::ProgramRun::kReady + 2500})
            if (!seen.count(at) && f.now_ms() >= at) {
                auto* k = ui::App::get().find<FrmKlavir>();
                auto* m = ui::App::get().find<FrmSelect>();
                seen[at] = {k && k->visible(), m && m->visible()};
            }
    };
    const Point exit = centre(FrmKlavir::kIcons[0]);
    r.fake.click(test::ProgramRun::kReady + 1000, exit.x, exit.y);
    r.leave(test::ProgramRun::kReady + 3000);
    r.run();
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(seen[test::ProgramRun::kReady + 500], std::make_pair(true, false));
    EXPECT_EQ(seen[test::ProgramRun::kReady + 2500], std::make_pair(false, true));
    EXPECT_EQ(r.fake.midi_open_device, -2);
}

}  // namespace
