// Clips on the fake platform, with real AVI files made by ffmpeg.
#include "platform/clip_decoder.h"
#include "platform/files.h"
#include "services/globals.h"
#include "services/video.h"
#include "test_support.h"
#include "ui/app.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace bafo;
using bafo::test::TempDir;

namespace {

// Colour k in the codec's own 15 bits, and as the decoder widens it.
uint16_t rgb555(int k)
{
    return uint16_t(((k * 7) % 32) << 10 | ((k * 13 + 5) % 32) << 5 | ((k * 3 + 11) % 32));
}
uint32_t exact(int k)
{
    auto c = [](int v5) { return uint32_t(v5 << 3 | v5 >> 2); };
    uint16_t v = rgb555(k);
    return c(v >> 10 & 31) << 16 | c(v >> 5 & 31) << 8 | c(v & 31);
}

// An AVI of `frames` flat frames, frame k in exact(seed + k), every frame a keyframe.
void make_clip(const std::string& avi, int w, int h, int frames, int seed)
{
    std::string raw;
    for (int k = 0; k < frames; ++k) {
        uint16_t c = rgb555(seed + k);
        for (int i = 0; i < w * h; ++i) {
            raw.push_back(char(c & 0xFF));
            raw.push_back(char(c >> 8));
        }
    }
    test::write_file(avi + ".rgb", raw);
    std::string cmd = "ffmpeg -loglevel error -y -f rawvideo -pix_fmt rgb555le -s " + std::to_string(w) + "x" +
                      std::to_string(h) + " -r 10 -i '" + avi + ".rgb' -c:v msvideo1 -g 1 '" + avi + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    delete_file(avi + ".rgb");
}

struct Screen : ui::Form {
    Screen() : ui::Form("game")
    {
        box.hide();
    }
    ui::PictureBox& box = add<ui::PictureBox>("video");
};

class VideoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_platform(&fake);
        ui::App::get().reset();
        reset_globals();
        cesta_dat = cesta_hry = dir.path();
        screen = &ui::App::get().form<Screen>();
        screen->set_picture(test::pattern(800, 600, 5));
        ui::App::get().show(*screen);
        ui::App::get().dispatch_pending();
    }
    void TearDown() override
    {
        ui::App::get().reset();
        set_platform(nullptr);
    }
    // A clip NAME under BAFO_CS/KLIPY with a script of the given entries.
    std::string clip(const std::string& name, int frames, int seed, const std::string& entries, int keep = 0,
                     bool sound = true)
    {
        make_clip(dir / ("BAFO_CS/KLIPY/" + name + ".AVI"), 64, 48, frames, seed);
        if (sound)
            test::write_tone(dir / ("BAFO_CS/KLIPY/" + name + ".WAV"), 300, 440);
        std::string script = dir / ("BAFO_CS/KLIPY/" + name + ".DAT");
        test::write_file(script, "BAFO_CS\\KLIPY\\" + name + "\r\n16\r\n8\r\n64\r\n48\r\n" + std::to_string(keep) + "\r\n" + entries);
        return script;
    }
    // The colour in the middle of the box at each frame the program showed.
    std::vector<uint32_t> shown;
    std::vector<uint32_t> times;
    ClipFrameHook hook = [this](const Surface& f, const Rect&) {
        shown.push_back(f.pixel(32, 24));
        times.push_back(fake.now_ms());
    };

    TempDir dir;
    FakePlatform fake;
    Screen* screen = nullptr;
};

}  // namespace

TEST_F(VideoTest, DecoderGivesEveryFrameInAnyOrder)
{
    make_clip(dir / "a.AVI", 64, 48, 12, 3);
    ClipDecoder d;
    ASSERT_EQ(d.open(dir / "a.AVI").step, ClipDecoder::Step::None);
    EXPECT_EQ(d.frame_count(), 12);
    EXPECT_EQ(d.width(), 64);
    EXPECT_TRUE(d.indexed());
    Surface f;
    for (int n : {0, 5, 11, 2, 2, 7, 0, 11, 1}) {
        ASSERT_TRUE(d.frame(n, f)) << "frame " << n;
        EXPECT_EQ(f.pixel(10, 10), exact(3 + n)) << "frame " << n;
    }
    EXPECT_FALSE(d.frame(12, f));
    EXPECT_FALSE(d.frame(-1, f));
}

TEST_F(VideoTest, BrokenVideoFiles)
{
    make_clip(dir / "good.AVI", 64, 48, 12, 3);
    std::string bytes = read_file(dir / "good.AVI").value();
    test::write_file(dir / "cut.AVI", bytes.substr(0, bytes.size() * 2 / 3));
    test::write_file(dir / "empty.AVI", "");
    test::write_file(dir / "text.AVI", "RIFF this is not a video at all, just words.");
    test::write_tone(dir / "sound.AVI", 100, 440);
    struct Case {
        const char* file;
        bool opens;
    } cases[] = {{"cut.AVI", true}, {"empty.AVI", false}, {"text.AVI", false}, {"sound.AVI", false}, {"none.AVI", false}};
    for (const auto& c : cases) {
        ClipDecoder d;
        auto st = d.open(dir / c.file);
        EXPECT_EQ(st.step == ClipDecoder::Step::None, c.opens) << c.file << " stopped at " << step_name(st.step);
        if (!c.opens)
            continue;
        // Whatever frames a cut file still has must be the right pictures, in any order.
        Surface f;
        int good = 0;
        for (int n : {6, 0, 3, 7, 1}) {
            if (d.frame(n, f)) {
                EXPECT_EQ(f.pixel(10, 10), exact(3 + n)) << c.file << " frame " << n << " is another picture";
                ++good;
            }
        }
        EXPECT_GT(good, 0) << c.file;
    }
}

TEST_F(VideoTest, WithoutFfmpegsLibrariesThereIsNoCodec)
{
    make_clip(dir / "a.AVI", 64, 48, 3, 3);
    const auto built = ClipDecoder::built_against();
    struct Case {
        const char* what;
        ClipDecoder::Libraries libraries;
        ClipDecoder::Step step;
    } cases[] = {
        {"as built", built, ClipDecoder::Step::None},
        {"no such format library", {"libavformat.so.0-none", built.codec, built.util}, ClipDecoder::Step::Codec},
        {"no such util library", {built.format, built.codec, "libavutil.so.0-none"}, ClipDecoder::Step::Codec},
        {"a library without the functions", {"libc.so.6", built.codec, built.util}, ClipDecoder::Step::Codec},
    };
    for (const auto& c : cases) {
        for (int attempt = 1; attempt <= 2; ++attempt) {
            ClipDecoder d(c.libraries);
            EXPECT_EQ(d.open(dir / "a.AVI").step, c.step)
                << c.what << " (" << c.libraries.format << ", " << c.libraries.codec << ", " << c.libraries.util
                << "), attempt " << attempt;
            Surface f;
            EXPECT_EQ(d.frame(0, f), c.step == ClipDecoder::Step::None) << c.what;
        }
    }
    EXPECT_EQ(built.format.rfind("libavformat.so.", 0), 0u) << built.format;
}

TEST_F(VideoTest, AClipThatCannotBeReadAgainLeavesTheDecoderClosed)
{
    // Served through a pipe the clip has no index and cannot seek back, so going
    // back a frame opens the file again: by then its name is gone.
    const std::string avi = dir / "big.AVI", pipe = dir / "pipe.AVI";
    const std::string cmd = "ffmpeg -loglevel error -y -f lavfi -i testsrc=size=640x480:rate=10 -frames:v 8 "
                            "-c:v msvideo1 -g 1 '" + avi + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    const std::string bytes = read_file(avi).value();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] {
        sigset_t pipe_signal;
        sigemptyset(&pipe_signal);
        sigaddset(&pipe_signal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe_signal, nullptr);  // a reader that leaves early is no error here
        const int fd = ::open(pipe.c_str(), O_WRONLY | O_CLOEXEC);
        ::fcntl(fd, F_SETPIPE_SZ, 1 << 20);
        for (size_t at = 0; at < bytes.size();) {
            const ssize_t n = ::write(fd, bytes.data() + at, bytes.size() - at);
            if (n <= 0)
                break;
            at += size_t(n);
        }
        ::close(fd);
    });
    {
        ClipDecoder d;
        EXPECT_EQ(d.open(pipe).step, ClipDecoder::Step::None);
        EXPECT_FALSE(d.indexed());
        Surface f;
        EXPECT_TRUE(d.frame(5, f));
        delete_file(pipe);
        EXPECT_FALSE(d.frame(1, f)) << "frame 1 came back without its file";
        EXPECT_FALSE(d.is_open()) << "the decoder stayed open without its file";
        EXPECT_FALSE(d.frame(2, f));
        EXPECT_FALSE(d.frame(0, f));
    }
    writer.join();
}

TEST_F(VideoTest, ClipNamesAreOnlyEverPlainFiles)
{
    // Names that would pick another of the library's ways to read if they were not files.
    const char* names[] = {"concat:a.AVI|b.AVI", "subfile,,start,0,end,0,,:x.AVI", "pipe:0", "file:x.AVI"};
    make_clip(dir / "a.AVI", 64, 48, 4, 3);
    make_clip(dir / "b.AVI", 64, 48, 4, 20);
    make_clip(dir / "x.AVI", 64, 48, 4, 30);
    make_clip(dir / "literal.AVI", 64, 48, 2, 40);
    // Standard input reads another clip, and the names are taken from within the directory.
    struct Redirect {
        int saved_stdin = ::dup(0);
        std::string cwd = std::filesystem::current_path().string();
        Redirect(const std::string& input, const std::string& where)
        {
            const int in = ::open(input.c_str(), O_RDONLY);
            ::dup2(in, 0);
            ::close(in);
            std::filesystem::current_path(where);
        }
        ~Redirect()
        {
            std::filesystem::current_path(cwd);
            ::dup2(saved_stdin, 0);
            ::close(saved_stdin);
        }
    } redirect(dir / "b.AVI", dir.path());
    for (const char* name : names) {
        ClipDecoder d;
        EXPECT_EQ(d.open(name).step, ClipDecoder::Step::Open) << name << " opened without a file of that name";
        // A file of exactly that name is a clip like any other.
        ASSERT_EQ(std::rename("literal.AVI", name), 0) << name;
        ClipDecoder e;
        EXPECT_EQ(e.open(name).step, ClipDecoder::Step::None) << name;
        Surface f;
        EXPECT_TRUE(e.frame(1, f) && f.pixel(10, 10) == exact(41)) << name << " gave another file's pictures";
        ASSERT_EQ(std::rename(name, "literal.AVI"), 0) << name;
    }
}

TEST_F(VideoTest, OneEntryShowsItsFrameAndEndsAtOnce)
{
    std::string s = clip("ONE", 4, 10, "2x5000\r\n");
    prehraj_animaci(s, screen->box, 80, 31, 1, hook);
    EXPECT_EQ(fake.now_ms(), 0u) << "a single entry's duration was waited for";
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], exact(12));
}

TEST_F(VideoTest, FramesFollowTheScriptAndTheLastIsHeld)
{
    std::string s = clip("TWO", 6, 20, "0x100\r\n5x300\r\n1x200\r\n");
    prehraj_animaci(s, screen->box, 80, 31, 1, hook);
    EXPECT_EQ(shown, (std::vector<uint32_t>{exact(20), exact(25), exact(21)}));
    EXPECT_EQ(times, (std::vector<uint32_t>{0, 0, 300}));
    EXPECT_EQ(fake.now_ms(), 500u) << "the last frame was not held for its time";
    EXPECT_EQ(screen->box.rect().x, 96);
    EXPECT_EQ(screen->box.rect().y, 39);
}

TEST_F(VideoTest, KeepDecidesWhatStaysOnTheScreen)
{
    const Surface before = screen->image;
    std::string s0 = clip("K0", 3, 30, "0x10\r\n2x10\r\n", 0);
    prehraj_animaci(s0, screen->box, 80, 31, 1);
    ui::App::get().present();
    EXPECT_TRUE(screen->image.same_pixels(before));
    EXPECT_TRUE(ui::App::get().frame().same_pixels(before)) << "keep 0 did not restore what was under the clip";
    std::string s1 = clip("K1", 3, 40, "0x10\r\n2x10\r\n", 1);
    prehraj_animaci(s1, screen->box, 80, 31, 1);
    EXPECT_EQ(screen->image.pixel(96 + 5, 39 + 5), exact(42));
    EXPECT_EQ(screen->screen.pixel(96 + 5, 39 + 5), exact(42));
    EXPECT_EQ(screen->image.pixel(95, 39), before.pixel(95, 39));
    EXPECT_FALSE(screen->box.visible());
}

TEST_F(VideoTest, TheClipDirectoryWinsAndAClickDoesNotStopAClip)
{
    std::string s = clip("PREF", 3, 50, "0x100\r\n1x100\r\n");
    TempDir short_dir;
    cesta_videi = short_dir.path();
    make_clip(short_dir / "PREF.AVI", 64, 48, 3, 60);
    fake.click(50, 100, 60);
    int before = fake.cursor_count;
    prehraj_animaci(s, screen->box, 80, 31, 1, hook);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0], exact(60)) << "the video in the clip directory was not preferred";
    EXPECT_EQ(fake.now_ms(), 100u) << "the click cut the clip short";
    EXPECT_EQ(fake.cursor_count, before) << "the pointer was not shown again";
    EXPECT_TRUE(screen->enabled());
}

TEST_F(VideoTest, SoundIsCopiedAndPlayedOrTheClipIsSilent)
{
    std::string s = clip("SND", 2, 70, "0x10\r\n1x10\r\n");
    prehraj_animaci(s, screen->box, 80, 31, 1);
    ASSERT_EQ(fake.played.size(), 1u);
    EXPECT_EQ(fake.played[0].path, dir / "ZVUK.WAV");
    EXPECT_TRUE(file_exists(dir / "ZVUK.WAV"));
    fake.played.clear();
    std::string q = clip("QUIET", 2, 80, "0x10\r\n1x10\r\n", 0, false);
    delete_file(dir / "ZVUK.WAV");
    prehraj_animaci(q, screen->box, 80, 31, 1, hook);
    EXPECT_TRUE(fake.played.empty());
    EXPECT_EQ(shown.size(), 2u) << "a clip without sound did not play";
}

TEST_F(VideoTest, AMissingVideoIsReportedAndTheGameGoesOn)
{
    std::string s = clip("GONE", 2, 90, "0x10\r\n");
    delete_file(dir / "BAFO_CS/KLIPY/GONE.AVI");
    int before = fake.cursor_count;
    prehraj_animaci(s, screen->box, 80, 31, 1, hook);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Chyba č. 2 funkce AVIFileOpen při inicializaci souboru videa " +
                                         dir / "BAFO_CS/KLIPY/GONE.AVI");
    EXPECT_EQ(fake.messages[0].title, "Bafolino");
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(screen->enabled());
    EXPECT_EQ(fake.cursor_count, before);
    EXPECT_FALSE(ui::App::get().quitting());
    // Damaged scripts are skipped without a word.
    test::write_file(dir / "short.DAT", "A,1,2");
    prehraj_animaci(dir / "short.DAT", screen->box, 80, 31, 1, hook);
    prehraj_animaci(dir / "none.DAT", screen->box, 80, 31, 1, hook);
    EXPECT_EQ(fake.messages.size(), 1u);
}

TEST_F(VideoTest, WinSequencePlaysTheNamedClips)
{
    clip("C1", 1, 100, "0x10\r\n");
    clip("C2", 1, 101, "0x10\r\n");
    clip("C3", 1, 102, "0x10\r\n");
    clip("C4", 1, 103, "0x10\r\n");
    struct Case {
        const char* name;
        std::string text;
        std::vector<uint32_t> want;
    } cases[] = {
        {"two", "BAFO_CS\\KLIPY\\C1.DAT,BAFO_CS\\KLIPY\\C2.DAT", {exact(100), exact(101)}},
        {"field 3 empty", "\"BAFO_CS\\KLIPY\\C1.DAT\",\"BAFO_CS\\KLIPY\\C2.DAT\",\"\",\"BAFO_CS\\KLIPY\\C4.DAT\"",
         {exact(100), exact(101), exact(103)}},
        {"four on lines", "BAFO_CS\\KLIPY\\C4.DAT\r\nBAFO_CS\\KLIPY\\C3.DAT\r\nBAFO_CS\\KLIPY\\C2.DAT\r\nBAFO_CS\\KLIPY\\C1.DAT\r\n",
         {exact(103), exact(102), exact(101), exact(100)}},
        {"one field", "BAFO_CS\\KLIPY\\C3.DAT", {exact(102)}},
        {"outside the tree", "..\\..\\C1.DAT,/tmp/C2.DAT,BAFO_CS\\KLIPY\\C3.DAT", {exact(102)}},
    };
    for (const auto& c : cases) {
        shown.clear();
        test::write_file(dir / "ANIM/1/POZADI1.DAT", c.text);
        prehraj_sekvenci(sekvence_obrazku(dir / "ANIM/1/POZADI1.BMP"), screen->box, 80, 31, 1, hook);
        EXPECT_EQ(shown, c.want) << c.name;
    }
}
