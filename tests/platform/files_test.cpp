#include "platform/files.h"
#include "platform/ini.h"
#include "platform/wave_info.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace bafo;
using bafo::test::TempDir;

TEST(Files, JoinPutsExactlyOneSeparator)
{
    struct Case {
        const char *dir, *rel, *want;
    } cases[] = {
        {"/data", "\\BAFO_CS\\SELECT\\BG1.BMP", "/data/BAFO_CS/SELECT/BG1.BMP"},
        {"/data/", "\\BAFO_CS\\X.BMP", "/data/BAFO_CS/X.BMP"},
        {"/data\\", "BAFO_CS\\X.BMP", "/data/BAFO_CS/X.BMP"},
        {"/data", "BAFO_CS/X.BMP", "/data/BAFO_CS/X.BMP"},
        {"/data//", "\\\\X.BMP", "/data/X.BMP"},
        {"/", "\\X.BMP", "/X.BMP"},
        {"rel", "\\X", "rel/X"},
        {"", "\\X", "X"},
        {"/data", "", "/data"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(join_path(c.dir, c.rel), c.want) << "dir=" << c.dir << " rel=" << c.rel;
}

TEST(Files, FileNameIsAfterTheLastSeparator)
{
    struct Case {
        const char *path, *want;
    } cases[] = {{"C:\\A\\B\\POZADI1.BMP", "POZADI1.BMP"}, {"/a/b/c.dat", "c.dat"}, {"plain", "plain"},
                 {"dir\\", ""}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(file_name_of(c.path), c.want) << "path=" << c.path;
}

TEST(Files, ExistsMatchesOrdinaryFilesAndWildcards)
{
    TempDir d;
    test::write_file(d / "A.BMP", "x");
    test::write_file(d / "B.BMP", "x");
    test::write_file(d / "NOTE.TXT", "x");
    std::filesystem::create_directories(d / "DIR.BMP");
    struct Case {
        std::string path;
        bool want;
    } cases[] = {
        {d / "A.BMP", true},      {d / "C.BMP", false},    {d / "*.BMP", true},   {d / "?.BMP", true},
        {d / "*.WAV", false},     {d / "DIR.BMP", false},  {d / "NOTE.*", true},  {d / "", false},
        {d / "MISSING/A.BMP", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(file_exists(c.path), c.want) << c.path;
    EXPECT_EQ(count_files(d.path(), "*.BMP"), 2) << "a directory named *.BMP is not a bitmap";
    EXPECT_EQ(count_files(d / "MISSING", "*.BMP"), 0);
}

TEST(Files, AtomicWriteReplacesWholeOrLeavesTheOldFile)
{
    TempDir d;
    const std::string f = d / "VYSLEDKY.DAT";
    ASSERT_TRUE(write_file_atomic(f, "old"));
    ASSERT_TRUE(write_file_atomic(f, "new contents"));
    EXPECT_EQ(read_file(f).value_or(""), "new contents");
    // A directory the program cannot write into: the old file stays as it was.
    if (::geteuid() != 0) {
        ::chmod(d.path().c_str(), 0555);
        EXPECT_FALSE(write_file_atomic(f, "lost"));
        ::chmod(d.path().c_str(), 0755);
        EXPECT_EQ(read_file(f).value_or(""), "new contents");
    }
    EXPECT_FALSE(write_file_atomic(d / "NO/SUCH/DIR.DAT", "x"));
    int leftovers = 0;
    for (auto& e : std::filesystem::directory_iterator(d.path()))
        leftovers += e.path().filename().string().find(".tmp") != std::string::npos;
    EXPECT_EQ(leftovers, 0) << "temporary files left behind";
}

TEST(Files, CopyOfAReadOnlyFileBecomesWritable)
{
    TempDir d;
    test::write_file(d / "SRC.WAV", "RIFF");
    ::chmod((d / "SRC.WAV").c_str(), 0444);
    ASSERT_TRUE(copy_file(d / "SRC.WAV", d / "ZVUK.WAV"));
    ASSERT_TRUE(set_normal_attributes(d / "ZVUK.WAV"));
    struct stat st {};
    ::stat((d / "ZVUK.WAV").c_str(), &st);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
    EXPECT_TRUE(delete_file(d / "ZVUK.WAV"));
    EXPECT_FALSE(delete_file(d / "ZVUK.WAV"));
    EXPECT_FALSE(copy_file(d / "NONE.WAV", d / "ZVUK.WAV"));
}

TEST(Ini, ReadsLikeTheSettingsServiceDoes)
{
    const std::string text =
        "; comment\r\n[Other]\r\nHD=wrong\r\n[BAFO_CS]\r\n  HD =  /data/bafo  \r\nHD_SHORT=\"/clips\"\r\n"
        "EMPTY=\r\nLONG=" + std::string(300, 'x') + "\r\nDUP=first\r\nDUP=second\r\n[bafo_cs]\r\nLATE=1\r\n";
    struct Case {
        const char *section, *key, *want;
    } cases[] = {
        {"BAFO_CS", "HD", "/data/bafo"},   {"bafo_cs", "hd", "/data/bafo"}, {"BAFO_CS", "HD_SHORT", "/clips"},
        {"BAFO_CS", "EMPTY", ""},          {"BAFO_CS", "MISSING", "ERROR"}, {"NONE", "HD", "ERROR"},
        {"Other", "HD", "wrong"},          {"BAFO_CS", "DUP", "first"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini_get(text, c.section, c.key), c.want) << "[" << c.section << "] " << c.key;
    EXPECT_EQ(ini_get(text, "BAFO_CS", "LONG").size(), 254u);
    EXPECT_EQ(ini_get("", "BAFO_CS", "HD"), "ERROR");
    EXPECT_EQ(ini_get("\x01\x02garbage=\xff\n[", "BAFO_CS", "HD"), "ERROR");
    EXPECT_EQ(ini_read("/no/such/BAFO.INI", "BAFO_CS", "HD"), "ERROR");
}

TEST(Ini, WritesKeepEverythingElse)
{
    struct Case {
        const char *before, *section, *key, *value, *after;
    } cases[] = {
        {"", "151", "POS1", "Anna#12", "[151]\nPOS1=Anna#12\n"},
        {"[151]\nPOS1=A#1\n", "151", "POS1", "B#2", "[151]\nPOS1=B#2\n"},
        {"[151]\nPOS1=A#1\n\n[152]\nPOS1=C#3\n", "151", "POS2", "B#2",
         "[151]\nPOS1=A#1\nPOS2=B#2\n\n[152]\nPOS1=C#3\n"},
        {"[151]\nPOS1=A#1\n", "152", "POS1", "B#2", "[151]\nPOS1=A#1\n\n[152]\nPOS1=B#2\n"},
        {"[151]\nPOS1=A#1\n", "151", "POS2", "line\nbreak", "[151]\nPOS1=A#1\nPOS2=linebreak\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini_set(c.before, c.section, c.key, c.value), c.after)
            << "before=" << c.before << " [" << c.section << "] " << c.key << "=" << c.value;
    TempDir d;
    ASSERT_TRUE(ini_write(d / "R.DAT", "15", "POS1", "Мила#30"));
    EXPECT_EQ(ini_read(d / "R.DAT", "15", "POS1"), "Мила#30");
}

TEST(WaveInfo, DurationOfWavesAndNotWaves)
{
    TempDir d;
    test::write_tone(d / "a.wav", 1500, 440, 22050);
    test::write_file(d / "text.wav", "this is not a wave at all, no");
    test::write_file(d / "empty.wav", "");
    std::string cut = read_file(d / "a.wav").value();
    test::write_file(d / "cut.wav", cut.substr(0, cut.size() / 2));
    EXPECT_EQ(wave_duration_ms(d / "a.wav").value_or(0), 1500u);
    EXPECT_NEAR(double(wave_duration_ms(d / "cut.wav").value_or(0)), 750.0, 2.0);
    EXPECT_FALSE(wave_duration_ms(d / "text.wav"));
    EXPECT_FALSE(wave_duration_ms(d / "empty.wav"));
    EXPECT_FALSE(wave_duration_ms(d / "none.wav"));
}
