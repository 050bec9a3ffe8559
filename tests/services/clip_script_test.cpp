#include "services/clip_script.h"

#include <gtest/gtest.h>

using namespace bafo;

TEST(ClipScript, HeaderAndEntries)
{
    struct Case {
        const char* name;
        std::string text;
        bool ok;
        size_t entries;
        int first_frame, first_ms;
    } cases[] = {
        {"plain", "BAFO_CS\\KLIPY\\HURA\r\n0\r\n0\r\n640\r\n480\r\n0\r\n0x100\r\n3x80\r\n", true, 2, 0, 100},
        {"one line header", "A,10,20,64,48,1\n5x40\n", true, 1, 5, 40},
        {"quoted name", "\"A\",0,0,64,48,0\n1x1\n", true, 1, 1, 1},
        {"no x", "A,0,0,64,48,0\n12\n3x5\n", true, 1, 3, 5},
        {"frame over 255", "A,0,0,64,48,0\n256x10\n255x10\n", true, 1, 255, 10},
        {"duration over 16 bits", "A,0,0,64,48,0\n1x65536\n1x65535\n", true, 1, 1, 65535},
        {"leading numbers", "A,0,0,64,48,0\n12abc x 40ms\n", true, 1, 12, 40},
        {"negative", "A,0,0,64,48,0\n-1x10\n2x-5\n4x4\n", true, 1, 4, 4},
        {"five header fields", "A,0,0,64,48\n", false, 0, 0, 0},
        {"empty", "", false, 0, 0, 0},
        {"no area", "A,0,0,0,48,0\n1x1\n", false, 0, 0, 0},
        {"huge area", "A,0,0,99999999,48,0\n1x1\n", false, 0, 0, 0},
        {"no entries", "A,0,0,64,48,0\n", true, 0, 0, 0},
        {"binary", std::string("A,0,0,64,48,0\n\0x\xff\x01x7\n9x9", 24), true, 1, 9, 9},
    };
    for (const auto& c : cases) {
        auto s = ClipScript::parse(c.text);
        ASSERT_EQ(s.has_value(), c.ok) << c.name;
        if (!s)
            continue;
        EXPECT_EQ(s->entries.size(), c.entries) << c.name;
        if (!s->entries.empty()) {
            EXPECT_EQ(s->entries[0].frame, c.first_frame) << c.name;
            EXPECT_EQ(s->entries[0].ms, c.first_ms) << c.name;
        }
    }
    auto s = ClipScript::parse("BAFO_CS\\KLIPY\\X,10,20,64,48,1\n");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->name, "BAFO_CS\\KLIPY\\X");
    EXPECT_EQ(s->left, 10);
    EXPECT_EQ(s->top, 20);
    EXPECT_EQ(s->keep, 1);
}

TEST(ClipScript, AtMostAHundredEntriesAndOnlyFramesTheVideoHas)
{
    std::string text = "A,0,0,64,48,0\n";
    for (int i = 0; i < 150; ++i)
        text += std::to_string(i % 20) + "x10\n";
    auto s = ClipScript::parse(text);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->entries.size(), 100u);
    s->keep_frames_below(10);
    EXPECT_EQ(s->entries.size(), 50u);
    for (auto& e : s->entries)
        EXPECT_LT(e.frame, 10);
}

TEST(ClipScript, SequenceFields)
{
    struct Case {
        std::string text;
        std::array<std::string, 4> want;
    } cases[] = {
        {"A.DAT,B.DAT", {"A.DAT", "B.DAT", "", ""}},
        {"A.DAT\r\nB.DAT\r\nC.DAT\r\n", {"A.DAT", "B.DAT", "C.DAT", ""}},
        {"\"A.DAT\",\"B.DAT\",\"\",\"D.DAT\"", {"A.DAT", "B.DAT", "", "D.DAT"}},
        {"A.DAT", {"A.DAT", "", "", ""}},
        {"", {"", "", "", ""}},
        {"a,b,c,d,e,f", {"a", "b", "c", "d"}},
        {"\"x,y\",z", {"x,y", "z", "", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse_sequence(c.text), c.want) << "'" << c.text << "'";
}

TEST(ClipScript, PathsStayInTheDataTree)
{
    struct Case {
        const char* path;
        bool ok;
    } cases[] = {{"BAFO_CS\\KLIPY\\HURA.DAT", true}, {"BAFO_CS/KLIPY/HURA.DAT", true}, {"..\\etc\\passwd", false},
                 {"BAFO_CS\\..\\..\\x.DAT", false}, {"/etc/passwd", false}, {"C:\\x.DAT", false},
                 {"BAFO_CS\\a..b.DAT", true}, {"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(stays_in_data_root(c.path), c.ok) << c.path;
}
