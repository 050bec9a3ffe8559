// The studio's rules without a screen: keys, recorder, playback steps and
// rhythm number, with the notes read back from the fake platform.
#include "music/studio.h"
#include "services/globals.h"
#include "services/midi.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bafo;

namespace {

class StudioRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_platform(&fake);
        reset_globals();
        midi_otevri(-1);
        s.reset();
    }
    void TearDown() override
    {
        reset_globals();
        set_platform(nullptr);
    }
    // Runs a script of steps at 100 ms apart: "dA" key down, "uA" key up,
    // "c3" a click on key 3, "i1" instrument 1, "r" record, "s" stop.
    void run(const std::string& script)
    {
        std::istringstream in(script);
        std::string step;
        while (in >> step) {
            t += 100;
            const std::string arg = step.substr(1);
            switch (step[0]) {
            case 'd': s.key_down(arg[0], t); break;
            case 'u': s.key_up(arg[0], t); break;
            case 'c': s.zahraj_klavesu(std::stoi(arg), t); break;
            case 'i': s.vyber_nastroj(std::stoi(arg)); break;
            case 'r': s.nahravej(); break;
            case 's': s.zastav(); break;
            }
        }
    }
    // The messages sent, as "status data1 data2" joined by commas.
    std::string sent() const
    {
        std::string out;
        for (auto& m : fake.midi_sent)
            out += (out.empty() ? "" : ",") + std::to_string(m.message & 0xFF) + " " +
                   std::to_string(m.message >> 8 & 0xFF) + " " + std::to_string(m.message >> 16 & 0xFF);
        return out;
    }
    std::string tune() const
    {
        std::string out;
        for (int i = 1; i <= s.delka_pisne(); ++i)
            out += (out.empty() ? "" : ",") + std::to_string(s.udalost(i).cas) + " " + std::to_string(s.udalost(i).nota) +
                   " " + s.udalost(i).stav;
        return out;
    }

    FakePlatform fake;
    Studio s;
    uint32_t t = 1000;
};

TEST_F(StudioRules, KeysSendOneNoteAtATime)
{
    struct Case {
        const char* script;
        const char* sent;
    } cases[] = {
        // Auto-repeat of a held key does not restart its note.
        {"dA dA dA uA", "144 0 0,144 60 127,144 60 0"},
        // A, then S cuts it; letting A go sends nothing; letting S go ends S.
        {"dA dS uA uS", "144 0 0,144 60 127,144 60 0,144 62 127,144 62 0"},
        // A note played with the mouse sounds until the next note.
        {"c0 c1", "144 0 0,144 60 127,144 60 0,144 62 127"},
        {"c12", "144 0 0,144 70 127"},
        // Y and Z are both key 11.
        {"dY uY dZ uZ", "144 0 0,144 68 127,144 68 0,144 68 0,144 68 127,144 68 0"},
        // Any other key becomes the last key: letting A go then sends nothing, letting Q go ends A.
        {"dA dQ uA uQ", "144 0 0,144 60 127,144 60 0"},
        // The trumpet sounds an octave up, the bass two octaves down.
        {"i1 dA uA", "176 0 0,192 56 0,144 0 0,144 72 127,144 72 0"},
        {"i4 dK uK", "176 0 0,192 43 0,144 0 0,144 48 127,144 48 0"},
    };
    for (auto& c : cases) {
        fake.midi_sent.clear();
        s.reset();
        run(c.script);
        EXPECT_EQ(sent(), c.sent) << c.script;
    }
}

TEST_F(StudioRules, RecordingTimesEventsFromTheFirstPress)
{
    struct Case {
        const char* script;
        const char* tune;
    } cases[] = {
        {"r dA uA c2 s", "0 60 ZAP,100 60 VYP,200 64 ZAP"},
        // A key held since before record: its release does not start the tune.
        {"dA r uA dS uS s", "0 62 ZAP,100 62 VYP"},
        // Releases carry the key's own note, whatever the instrument.
        {"i1 r dA uA s", "0 60 ZAP,100 60 VYP"},
        // Letting go of an earlier key is recorded though it sends nothing.
        {"r dA dS uA uS s", "0 60 ZAP,100 62 ZAP,200 60 VYP,300 62 VYP"},
        {"r s", ""},
        // Record empties the tune at once.
        {"r dA uA s r s", ""},
        {"r dA r dS s", "0 62 ZAP"},
        {"r dQ uQ s", ""},
    };
    for (auto& c : cases) {
        s.reset();
        run(c.script);
        EXPECT_EQ(tune(), c.tune) << c.script;
        EXPECT_FALSE(s.nahravani()) << c.script;
    }
}

TEST_F(StudioRules, TheTuneStopsRecordingAtAThousandEvents)
{
    run("r");
    for (int i = 0; i < 499; ++i)
        run("dA uA");
    EXPECT_TRUE(s.nahravani());
    EXPECT_EQ(s.pocet_udalosti(), 998);
    run("dS");
    EXPECT_TRUE(s.nahravani());
    run("uS");
    // Full: the recording has ended by itself with the thousand events.
    EXPECT_FALSE(s.nahravani());
    EXPECT_EQ(s.delka_pisne(), 1000);
    EXPECT_EQ(s.udalost(1000).stav, "VYP");
    EXPECT_EQ(s.udalost(1000).nota, 62);
    EXPECT_EQ(s.udalost(1000).cas, 999 * 100);
    // The keys go on sounding and nothing more is kept.
    fake.midi_sent.clear();
    run("dD uD s");
    EXPECT_EQ(sent(), "144 62 0,144 64 127,144 64 0");
    EXPECT_EQ(s.delka_pisne(), 1000);
    EXPECT_EQ(s.udalost(1000).nota, 62);
}

TEST_F(StudioRules, PlaybackUsesTheInstrumentOfNowAndStaysMonophonic)
{
    run("r c0 c1 dD uD s");  // two mouse notes without releases, then D pressed and let go
    ASSERT_EQ(tune(), "0 60 ZAP,100 62 ZAP,200 64 ZAP,300 64 VYP");
    struct Case {
        int instrument;
        const char* sent;
    } cases[] = {
        {0, "144 60 127,144 60 0,144 62 127,144 62 0,144 64 127,144 64 0"},
        {1, "144 72 127,144 72 0,144 74 127,144 74 0,144 76 127,144 76 0"},
        {4, "144 36 127,144 36 0,144 38 127,144 38 0,144 40 127,144 40 0"},
    };
    for (auto& c : cases) {
        s.vyber_nastroj(c.instrument);
        fake.midi_sent.clear();
        const int n = s.zacni_prehravani();
        EXPECT_TRUE(s.prehravani());
        for (int i = 1; i <= n; ++i)
            s.zahraj_udalost(i);
        s.konec_prehravani();
        EXPECT_EQ(sent(), c.sent) << "instrument " << c.instrument;
    }
    // Keys are ignored while a tune plays back.
    s.zacni_prehravani();
    fake.midi_sent.clear();
    EXPECT_FALSE(s.key_down('A', t));
    EXPECT_FALSE(s.zahraj_klavesu(0, t));
    EXPECT_EQ(sent(), "");
    // Stopped after two events: every event so far ends, whatever its kind.
    s.zahraj_udalost(1);
    s.zahraj_udalost(2);
    s.zastav();
    EXPECT_FALSE(s.prehravani());
    EXPECT_TRUE(s.pozadavek_stop());
    fake.midi_sent.clear();
    s.umlc(2);
    EXPECT_EQ(sent(), "144 36 0,144 38 0");
}

TEST_F(StudioRules, NotesOutsideTheMidiRangeAreNotSent)
{
    // As a song file may give them: 120 is fine on the piano, not on the
    // trumpet; 10 is fine on the piano, not on the bass.
    std::array<Udalost, Studio::kMaxEvents> tune{};
    tune[0] = {0, 120, "ZAP"};
    tune[1] = {100, 10, "ZAP"};
    tune[2] = {200, 10, "VYP"};
    s.nastav_pisen(tune, 3);
    struct Case {
        int instrument;
        const char* sent;
    } cases[] = {{0, "144 120 127,144 120 0,144 10 127,144 10 0"}, {1, "144 22 127,144 22 0"}, {4, "144 96 127"}};
    for (auto& c : cases) {
        s.vyber_nastroj(c.instrument);
        fake.midi_sent.clear();
        const int n = s.zacni_prehravani();
        for (int i = 1; i <= n; ++i)
            s.zahraj_udalost(i);
        EXPECT_EQ(sent(), c.sent) << "instrument " << c.instrument;
        fake.midi_sent.clear();
        s.umlc(n);
        s.konec_prehravani();
    }
}

TEST_F(StudioRules, AKeyLetGoDuringPlaybackPlaysAgainAfterIt)
{
    run("r dA uA s dS");
    s.zacni_prehravani();
    run("uS");
    s.konec_prehravani();
    fake.midi_sent.clear();
    run("dS");
    EXPECT_EQ(sent(), "144 62 0,144 62 127");
}

TEST_F(StudioRules, RhythmAndKeyTables)
{
    std::vector<int> seen;
    for (int i = 0; i < 10; ++i)
        seen.push_back(s.dalsi_rytmus());
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 1, 2}));
    s.reset();
    EXPECT_STREQ(s.soubor_rytmu(), "BOOGIE.WAV");
    for (int i = 0; i < 8; ++i)
        s.dalsi_rytmus();
    EXPECT_STREQ(s.soubor_rytmu(), "VALCIK.WAV");

    for (int note = 50; note <= 80; ++note) {
        const int k = Studio::key_of_note(note);
        if (note < 60 || note > 72)
            EXPECT_EQ(k, -1) << note;
        else
            EXPECT_EQ(Studio::kNotes[k], note) << note;
    }
    EXPECT_EQ(Studio::key_of_code('Z'), 11);
    EXPECT_EQ(Studio::key_of_code('Y'), 11);
    EXPECT_EQ(Studio::key_of_code('Q'), -1);
}

}  // namespace
