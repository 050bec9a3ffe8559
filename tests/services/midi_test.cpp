// The MIDI layer on the fake platform: message layouts, the device list,
// opening, closing and the errors shown.
#include "services/globals.h"
#include "services/midi.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

using namespace bafo;

namespace {

class Midi : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_platform(&fake);
        ui::App::get().reset();
        reset_globals();
    }
    void TearDown() override
    {
        ui::App::get().reset();
        reset_globals();
        set_platform(nullptr);
    }
    std::vector<uint32_t> sent() const
    {
        std::vector<uint32_t> out;
        for (auto& m : fake.midi_sent)
            out.push_back(m.message);
        return out;
    }
    FakePlatform fake;
};

TEST_F(Midi, MessageLayouts)
{
    EXPECT_EQ(midi_zprava(144, 60, 127), 0x007F3C90u);
    ASSERT_TRUE(midi_otevri(-1));
    struct Case {
        const char* what;
        std::function<void()> send;
        std::vector<uint32_t> expected;
    } cases[] = {
        {"note on, channel 0", [] { midi_nota_zap(0, 60, 127); }, {0x007F3C90}},
        {"note on, channel 3", [] { midi_nota_zap(3, 72, 100); }, {0x00644893}},
        {"note off is a note on with velocity 0", [] { midi_nota_vyp(0, 60); }, {0x00003C90}},
        {"note off, channel 9", [] { midi_nota_vyp(9, 36); }, {0x00002499}},
        {"controller", [] { midi_ovladac(0, 7, 100); }, {0x006407B0}},
        {"instrument: bank select, then the program", [] { midi_nastroj(0, 0, 56); }, {0x000000B0, 0x000038C0}},
        {"instrument on channel 2, bank 1", [] { midi_nastroj(2, 1, 109); }, {0x000100B2, 0x00006DC2}},
    };
    for (auto& c : cases) {
        fake.midi_sent.clear();
        c.send();
        EXPECT_EQ(sent(), c.expected) << c.what;
        for (uint32_t m : sent())
            EXPECT_NE(m & 0xF0, 0x80u) << c.what << ": status 128 is never sent";
    }
}

TEST_F(Midi, DeviceListSkipsUnreadableDevices)
{
    struct Case {
        const char* what;
        std::vector<std::string> ports;
        std::set<int> unreadable;
        std::vector<std::pair<std::string, int>> expected;
    } cases[] = {
        {"synthesiser only", {}, {}, {{"Bafolino synthesiser", -1}}},
        {"synthesiser and two ports", {"Port A", "Port B"}, {}, {{"Bafolino synthesiser", -1}, {"Port A", 0}, {"Port B", 1}}},
        {"no readable synthesiser", {"Port A", "Port B"}, {-1}, {{"Port A", 0}, {"Port B", 1}}},
        {"a port in the middle unreadable", {"Port A", "Port B", "Port C"}, {-1, 1}, {{"Port A", 0}, {"Port C", 2}}},
        {"nothing at all", {}, {-1}, {}},
    };
    for (auto& c : cases) {
        fake.midi_devices = c.ports;
        fake.midi_unreadable = c.unreadable;
        std::vector<MidiZarizeni> list{{"stale", 7}};
        midi_seznam_zarizeni(list);
        std::vector<std::pair<std::string, int>> got;
        for (auto& d : list)
            got.emplace_back(d.nazev, d.data);
        EXPECT_EQ(got, c.expected) << c.what;
    }
}

TEST_F(Midi, OpenCloseAndErrors)
{
    fake.midi_devices = {"Port A"};
    EXPECT_TRUE(midi_otevri(0));
    EXPECT_EQ(fake.midi_open_device, 0);
    // Opening again closes the first device before it.
    EXPECT_TRUE(midi_otevri(-1));
    EXPECT_EQ(fake.midi_open_device, -1);
    midi_zavri();
    EXPECT_EQ(fake.midi_open_device, -2);
    midi_zavri();  // nothing open: nothing to report
    EXPECT_TRUE(fake.messages.empty());

    fake.midi_open_error = 7;
    EXPECT_FALSE(midi_otevri(0));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "MIDI error 7");
    // With no device open the notes go nowhere, and the child is not shown a box for each.
    midi_nota_zap(0, 60, 127);
    midi_nota_vyp(0, 60);
    EXPECT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.midi_sent.empty());

    // A send the device refuses is reported with the platform's text.
    fake.midi_open_error = 0;
    ASSERT_TRUE(midi_otevri(0));
    fake.midi_open_error = 9;
    midi_nota_zap(0, 60, 127);
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[1].text, "MIDI error 9");
}

}  // namespace
