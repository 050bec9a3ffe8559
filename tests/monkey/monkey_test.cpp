// The monkey's own checks: a fault it cannot see is a fault it lets through.
#include "monkey/monkey.h"

#include "music/song_file.h"
#include "platform/bitmap_file.h"
#include "results/results_table.h"
#include "test_support.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

using namespace bafo;

namespace {

std::string song_text(int events)
{
    std::vector<Udalost> u(static_cast<size_t>(events));
    for (int i = 0; i < events; ++i)
        u[size_t(i)] = {i * 100, uint8_t(60 + i % 12), i % 2 ? "VYP" : "ZAP"};
    return zapis_pisen(u);
}

std::string joined(const std::vector<std::string>& v)
{
    std::string s;
    for (const auto& x : v)
        s += x + "; ";
    return s;
}

}  // namespace

TEST(Monkey, TheWritableDirectoryCheckSeesEveryBrokenOrStrayFile)
{
    const std::string good_painting = encode_bitmap(Surface(640, 480, 0x123456));
    const std::string good_thumb = encode_bitmap(Surface(168, 125, 0x654321));
    const std::string song = song_text(40);
    struct Case {
        const char* name;
        std::string bytes;
        const char* fault;  // a piece of the expected fault, or "" for none
    } cases[] = {
        {"OMAL1.BMP", good_painting, ""},
        {"NAHL9.BMP", good_thumb, ""},
        {"OMAL2.BMP", good_painting.substr(0, good_painting.size() / 2), "does not load"},
        {"NAHL3.BMP", good_painting, "is 640x480"},
        {"SONG12.DAT", song, ""},
        {"SONG1.DAT", song.substr(0, song.size() / 2), "reads"},
        {"VYSLEDKY.DAT", "[151]\r\nPOS1=Ира#40\r\n", ""},
        {"VYSLEDKY.DAT", "[151]\r\nPOS1=~#40\r\n", "waits for a name"},
        {"OMAL1.BMP.tmp", good_painting, "unexpected file"},
        {"ZVUK.WAV", "RIFF", "unexpected file"},
        {"SONG13.DAT", song, "unexpected file"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        test::write_file(dir / c.name, c.bytes);
        const auto faults = monkey::check_writable_dir(dir.path());
        if (!*c.fault)
            EXPECT_TRUE(faults.empty()) << c.name << ": " << joined(faults);
        else
            EXPECT_NE(joined(faults).find(c.fault), std::string::npos)
                << c.name << " should give \"" << c.fault << "\", gave: " << joined(faults);
    }
}

TEST(Monkey, WritesAreAllowedOnlyInTheGivenDirectories)
{
    const std::string trace = "12 file_written /s/hd/OMAL1.BMP\n"
                              "13 file_written /s/hd/NAHL1.BMP\n"
                              "14 file_written /s/home/Pictures/Bafolino/x.png\n"
                              "15 sound /s/hd/BAFO_CS/A.WAV\n"
                              "16 file_written /s/hd/../BAFO.INI\n"
                              "17 file_written /s/hd/sub/SONG1.DAT\n";
    const auto faults = monkey::check_written_paths(trace, {"/s/hd/", "/s/home/Pictures/Bafolino"});
    ASSERT_EQ(faults.size(), 2u) << joined(faults);
    EXPECT_NE(faults[0].find("/s/BAFO.INI"), std::string::npos) << faults[0];
    EXPECT_NE(faults[1].find("/s/hd/sub/SONG1.DAT"), std::string::npos) << faults[1];
}

TEST(Monkey, TheChildIsTheSameForTheSameSeedAndNotices)
{
    // Replaying a fault needs the same actions from the same seed.
    auto actions = [](uint64_t seed) {
        FakePlatform fake;
        monkey::Child child(seed);
        for (int i = 0; i < 200; ++i) {
            child.on_idle(fake);
            Event ev;
            fake.wait_event(ev, fake.now_ms() + 5000);
        }
        return child.recent();
    };
    EXPECT_EQ(actions(7), actions(7));
    EXPECT_NE(actions(7), actions(8));

    // What it must notice: a message box, a screen that stops reading its
    // input (the clock runs on, the queue stays), a clock that stands still.
    struct Case {
        const char* what;
        std::function<void(FakePlatform&, monkey::Child&)> provoke;
        const char* fault;
    } cases[] = {
        {"message box", [](FakePlatform& f, monkey::Child& c) {
             f.message_box("Ошибка", "Bafolino", MessageIcon::Error);
             c.on_idle(f);
         }, "Ошибка"},
        {"deaf screen", [](FakePlatform& f, monkey::Child& c) {
             f.sleep_until(f.now_ms() + 11 * 60 * 1000);
             c.on_idle(f);
         }, "unread"},
        {"still clock", [](FakePlatform& f, monkey::Child& c) {
             for (int i = 0; i < 2'000'002 && c.fault().empty(); ++i)
                 c.on_idle(f);
         }, "stood still"},
    };
    for (const auto& k : cases) {
        FakePlatform fake;
        monkey::Child child(1);
        child.on_idle(fake);
        k.provoke(fake, child);
        EXPECT_NE(child.fault().find(k.fault), std::string::npos) << k.what << ": " << child.fault();
    }
    FakePlatform fake;
    monkey::Child child(1);
    for (int i = 0; i < 1000; ++i) {
        child.on_idle(fake);
        Event ev;
        fake.wait_event(ev, fake.now_ms() + 1000);
    }
    EXPECT_EQ(child.fault(), "") << "a program that reads its input is no fault";
}
