#include "shell/first_run.h"

#include "platform/files.h"
#include "services/globals.h"
#include "shell/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <unistd.h>

using bafo::test::TempDir;

namespace {

// The installed tree as the package lays it out: BAFO_CS, sounds beside it and
// the generator's own marks, which are no business of the user's directory.
void make_tree(const std::string& tree)
{
    bafo::test::write_file(tree + "/BAFO_CS/SELECT/ENTER.BMP", "enter");
    bafo::test::write_file(tree + "/SVIST.WAV", "svist");
    bafo::test::write_file(tree + "/TUTUTU.WAV", "tututu");
    bafo::test::write_file(tree + "/.checked", "");
}

std::string link_target(const std::string& path)
{
    char buf[4096];
    const ssize_t n = ::readlink(path.c_str(), buf, sizeof buf);
    return n > 0 ? std::string(buf, size_t(n)) : std::string("(no link)");
}

// Sets environment variables for one test and puts the old values back.
class Env {
public:
    void set(const char* name, const char* value)
    {
        if (!m_old.count(name)) {
            const char* v = std::getenv(name);
            m_old[name] = v ? std::optional<std::string>(v) : std::nullopt;
        }
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~Env()
    {
        for (auto& [name, v] : m_old)
            v ? ::setenv(name.c_str(), v->c_str(), 1) : ::unsetenv(name.c_str());
    }

private:
    std::map<std::string, std::optional<std::string>> m_old;
};

}  // namespace

TEST(FirstRun, DotsComeOutOfThePathByTheLetters)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"/usr/games/../share/games/bafolino", "/usr/share/games/bafolino"},
        {"/opt/b/games/./../share/games/bafolino/", "/opt/b/share/games/bafolino"},
        {"/../x", "/x"},
        {"a/../../b", "../b"},
        {"/", "/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bafo::without_dots(c.in), c.out) << "path " << c.in;
}

TEST(FirstRun, TheTreeIsFoundBesideTheProgramOnlyWhenItHoldsBafoCs)
{
    TempDir d;
    make_tree(d / "usr/share/games/bafolino");
    bafo::test::write_file(d / "opt/share/games/bafolino/SVIST.WAV", "no BAFO_CS beside it");
    EXPECT_EQ(bafo::installed_tree(d / "usr/games/bafolino", "../share/games/bafolino"),
              d / "usr/share/games/bafolino");
    EXPECT_EQ(bafo::installed_tree(d / "opt/games/bafolino", "../share/games/bafolino"), "");
    EXPECT_EQ(bafo::installed_tree(d / "elsewhere/games/bafolino", "../share/games/bafolino"), "");
    EXPECT_EQ(bafo::installed_tree("", "../share/games/bafolino"), "");
}

// Each case starts from a fresh home; `before` lays out what is there already.
TEST(FirstRun, SetsUpTheUserOnlyWhenThereAreNoSettingsAndATreeIs)
{
    enum Before { Nothing, NoTree, SettingsThere, OwnFileInUserDir, UserDirIsAFile };
    const struct {
        const char* name;
        Before before;
        bafo::FirstRun expected;
    } cases[] = {
        {"fresh home", Nothing, bafo::FirstRun::Made},
        {"nothing installed", NoTree, bafo::FirstRun::NoTree},
        {"settings already there", SettingsThere, bafo::FirstRun::SettingsThere},
        {"user's own SVIST.WAV", OwnFileInUserDir, bafo::FirstRun::Made},
        {"user directory blocked by a file", UserDirIsAFile, bafo::FirstRun::Failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir home;
        const std::string tree = home / "usr/share/games/bafolino";
        if (c.before != NoTree)
            make_tree(tree);
        const std::string ini = home / ".config/BAFO.INI";
        const std::string user = home / ".local/share/bafolino";
        if (c.before == SettingsThere)
            bafo::test::write_file(ini, "[BAFO_CS]\nHD=/somewhere/else\n");
        if (c.before == OwnFileInUserDir)
            bafo::test::write_file(user + "/SVIST.WAV", "mine");
        if (c.before == UserDirIsAFile)
            bafo::test::write_file(user, "a file");

        EXPECT_EQ(bafo::prepare_first_run(ini, c.before == NoTree ? "" : tree, user), c.expected);

        const std::string settings = bafo::read_file(ini).value_or("(none)");
        if (c.expected == bafo::FirstRun::Made) {
            EXPECT_EQ(settings, "[BAFO_CS]\nHD=" + user + "\n");
            EXPECT_EQ(link_target(user + "/BAFO_CS"), tree + "/BAFO_CS");
            EXPECT_EQ(bafo::read_file(user + "/BAFO_CS/SELECT/ENTER.BMP").value_or(""), "enter");
            EXPECT_EQ(link_target(user + "/TUTUTU.WAV"), tree + "/TUTUTU.WAV");
            EXPECT_FALSE(bafo::path_taken(user + "/.checked"));
            const std::string svist = bafo::read_file(user + "/SVIST.WAV").value_or("");
            EXPECT_EQ(svist, c.before == OwnFileInUserDir ? "mine" : "svist");
            // What the program writes goes to the user's directory, never into the tree.
            EXPECT_TRUE(bafo::write_file_atomic(user + "/VYSLEDKY.DAT", "results"));
            EXPECT_FALSE(bafo::path_taken(tree + "/VYSLEDKY.DAT"));
        } else if (c.before == SettingsThere) {
            EXPECT_EQ(settings, "[BAFO_CS]\nHD=/somewhere/else\n");
            EXPECT_FALSE(bafo::path_taken(user));
        } else {
            EXPECT_EQ(settings, "(none)");
            EXPECT_FALSE(bafo::path_taken(ini + ".tmp"));
        }
    }
}

TEST(FirstRun, ASecondStartFindsTheSettingsAndLeavesThemAlone)
{
    TempDir home;
    const std::string tree = home / "tree";
    make_tree(tree);
    const std::string ini = home / "cfg/BAFO.INI";
    ASSERT_EQ(bafo::prepare_first_run(ini, tree, home / "mine"), bafo::FirstRun::Made);
    ASSERT_TRUE(bafo::write_file_atomic(ini, "[BAFO_CS]\nHD=/edited/by/hand\n"));
    EXPECT_EQ(bafo::prepare_first_run(ini, tree, home / "other"), bafo::FirstRun::SettingsThere);
    EXPECT_EQ(bafo::read_file(ini).value_or(""), "[BAFO_CS]\nHD=/edited/by/hand\n");
    EXPECT_FALSE(bafo::path_taken(home / "other"));
}

TEST(FirstRun, NewFileRefusesATakenName)
{
    TempDir d;
    bafo::test::write_file(d / "a", "old");
    ASSERT_TRUE(::symlink("/nonexistent", (d / "dangling").c_str()) == 0);
    EXPECT_FALSE(bafo::write_file_new(d / "a", "new"));
    EXPECT_EQ(bafo::read_file(d / "a").value_or(""), "old");
    EXPECT_FALSE(bafo::write_file_new(d / "dangling", "new"));
    EXPECT_TRUE(bafo::write_file_new(d / "b", "new"));
    EXPECT_EQ(bafo::read_file(d / "b").value_or(""), "new");
    EXPECT_FALSE(bafo::path_taken(d / "b.tmp"));
}

// The directories come from the environment as the settings file's place does,
// and the settings read back name the user's directory.
TEST(FirstRun, AFreshHomeEndsWithSettingsTheProgramReads)
{
    const struct {
        const char* name;
        bool xdg;
    } cases[] = {{"plain home", false}, {"XDG directories", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir home;
        Env env;
        env.set("HOME", home.path().c_str());
        env.set("BAFO_INI", nullptr);
        env.set("XDG_CONFIG_HOME", c.xdg ? (home / "cfg").c_str() : nullptr);
        env.set("XDG_DATA_HOME", c.xdg ? (home / "data").c_str() : nullptr);
        const std::string user = c.xdg ? home / "data/bafolino" : home / ".local/share/bafolino";
        const std::string ini = c.xdg ? home / "cfg/BAFO.INI" : home / ".config/BAFO.INI";
        EXPECT_EQ(bafo::user_data_directory(), user);
        ASSERT_EQ(bafo::ini_file(), ini);

        // This test program has no tree installed beside it.
        EXPECT_EQ(bafo::first_run(), bafo::FirstRun::NoTree);
        EXPECT_FALSE(bafo::path_taken(ini));

        make_tree(home / "tree");
        EXPECT_EQ(bafo::prepare_first_run(bafo::ini_file(), home / "tree", bafo::user_data_directory()),
                  bafo::FirstRun::Made);
        bafo::nacti_nastaveni();
        EXPECT_EQ(bafo::cesta_hry, user);
        EXPECT_EQ(bafo::cesta_dat, user);
        EXPECT_EQ(bafo::first_run(), bafo::FirstRun::SettingsThere);
    }
}

// The whole program, started with no settings and no tree beside it: today's
// message and the end, and nothing made in the home.
TEST(FirstRun, WithNothingInstalledTheProgramSaysSoAndEnds)
{
    TempDir home;
    Env env;
    env.set("HOME", home.path().c_str());
    env.set("XDG_CONFIG_HOME", nullptr);
    env.set("XDG_DATA_HOME", nullptr);
    env.set("BAFO_INI", nullptr);  // run_on_fake sets it to "": not set, as ini_file reads it
    bafo::FakePlatform fake;
    const int code = bafo::test::run_on_fake(fake, "");
    EXPECT_EQ(code, 1);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, bafo::texty::neni_instalace);
    EXPECT_FALSE(bafo::path_taken(home / ".config/BAFO.INI"));
    EXPECT_FALSE(bafo::path_taken(home / ".local/share/bafolino"));
}
