// The dress-up screen's funny clips, read back with the program's own clip
// script reader, frame decoder and wave reader, as the screen plays them:
// at (80, 31) of the 800 x 600 screen, scale 1.
#include "audio.h"
#include "check.h"
#include "clips.h"
#include "datagen.h"

#include "image_support.h"
#include "platform/clip_decoder.h"
#include "platform/surface.h"
#include "platform/wave_info.h"
#include "services/clip_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using datagen_test::slurp;

class DressClips : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = fs::temp_directory_path() / ("bafo_dress_clips_test_" + std::to_string(getpid()));
        fs::remove_all(root_);
        for (auto& g : datagen::all_generators())
            if (g.name == "dressclips") {
                g.run(root_);
                g.expect(expect_);
            }
    }
    static void TearDownTestSuite() { fs::remove_all(root_); }

    static inline fs::path root_;
    static inline std::vector<datagen::Expect> expect_;
};

// Pixels of the outer band (the felt frame) of a decoded frame.
std::vector<uint32_t> band(const bafo::Surface& s, int width)
{
    std::vector<uint32_t> out;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (x < width || y < width || x >= s.width() - width || y >= s.height() - width)
                out.push_back(s.pixel(x, y) & bafo::kRgbMask);
    return out;
}

double share_differing(const bafo::Surface& a, const bafo::Surface& b)
{
    size_t n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) & bafo::kRgbMask) != (b.pixel(x, y) & bafo::kRgbMask);
    return double(n) / (double(a.width()) * a.height());
}

TEST_F(DressClips, EachPlaysOnTheDressUpScreenWithItsSound)
{
    // The dress-up screen's spots name these scripts; each must be a short
    // scene (3 to 6 s) that moves all along and ends on a calm hold.
    const char* const names[] = {"STOJKA", "ZASUVKA", "PTAK", "MYSI", "KRYSA"};
    const fs::path dir = root_ / "BAFO_CS" / "KREJCI";
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const auto script = bafo::ClipScript::parse(slurp(dir / (std::string(name) + ".DAT")));
        ASSERT_TRUE(script.has_value()) << "the player cannot read the script";
        EXPECT_EQ(script->name, std::string("BAFO_CS\\KREJCI\\") + name);

        // Where the player puts the box: the screen's point plus the script's offsets.
        const int left = 80 + script->left, top = 31 + script->top;
        EXPECT_TRUE(left >= 0 && top >= 0 && left + script->width <= 800 && top + script->height <= 600)
            << script->width << "x" << script->height << " at (" << left << ", " << top << ") leaves the screen";
        EXPECT_EQ(script->keep, 0) << "the screen must come back whole after the clip";
        ASSERT_GE(script->entries.size(), 2u);
        EXPECT_LE(script->entries.size(), bafo::ClipScript::kMaxEntries);
        EXPECT_EQ(script->entries[0].frame, script->entries[1].frame)
            << "the first entry only flashes; it must show what the second holds";

        bafo::ClipDecoder video;
        const auto status = video.open((dir / (std::string(name) + ".AVI")).string());
        ASSERT_EQ(status.step, bafo::ClipDecoder::Step::None)
            << "stopped at " << bafo::step_name(status.step) << ", code " << status.code;
        EXPECT_EQ(video.width(), script->width);
        EXPECT_EQ(video.height(), script->height);
        std::vector<bafo::Surface> frames(size_t(video.frame_count()));
        for (int n = 0; n < video.frame_count(); ++n)
            ASSERT_TRUE(video.frame(n, frames[size_t(n)])) << "frame " << n << " does not decode";
        std::set<int> shown;
        for (const auto& e : script->entries) {
            EXPECT_LT(int(e.frame), video.frame_count()) << "an entry shows frame " << int(e.frame);
            shown.insert(e.frame);
        }
        EXPECT_EQ(int(shown.size()), video.frame_count()) << "frames in the video that never play";

        // Every drawing is a different picture, the felt frame never moves,
        // and the scene changes a good deal between its start and its middle.
        const auto ring = band(frames[0], 8);
        for (size_t i = 0; i < frames.size(); ++i) {
            EXPECT_TRUE(band(frames[i], 8) == ring) << "frame " << i << " paints over the felt frame";
            for (size_t j = 0; j < i; ++j)
                EXPECT_GT(share_differing(frames[i], frames[j]), 0.001) << "frames " << j << " and " << i << " are alike";
        }
        const auto& middle = frames[script->entries[script->entries.size() / 2].frame];
        EXPECT_GT(share_differing(frames[script->entries[1].frame], middle), 0.02) << "it hardly moves";

        // Timing: the first entry is replaced at once, the rest are held.
        // Between the opening and the closing hold it moves at ten or more
        // drawings a second, with no long stops.
        int played = 0;
        std::vector<int> inner;
        for (size_t i = 1; i < script->entries.size(); ++i) {
            const auto& e = script->entries[i];
            played += e.ms;
            if (i > 1 && i + 1 < script->entries.size()) {
                inner.push_back(e.ms);
                EXPECT_LE(e.ms, 500) << "entry " << i + 1 << " holds " << e.ms << " ms in the middle of the scene";
            }
        }
        EXPECT_TRUE(played >= 3000 && played <= 6000) << "plays " << played << " ms";
        ASSERT_FALSE(inner.empty());
        std::nth_element(inner.begin(), inner.begin() + long(inner.size() / 2), inner.end());
        EXPECT_LE(inner[inner.size() / 2], 110) << "a drawing usually stays " << inner[inner.size() / 2] << " ms: it jerks";
        EXPECT_GE(script->entries.back().ms, 400) << "the end is not held, the screen comes back abruptly";

        // The sound runs as long as the pictures (a little ring after is fine).
        const std::string wav = (dir / (std::string(name) + ".WAV")).string();
        const auto ms = bafo::wave_duration_ms(wav);
        ASSERT_TRUE(ms.has_value()) << "the player cannot read the sound";
        EXPECT_TRUE(int(*ms) >= played - 100 && int(*ms) <= played + 700)
            << "sound of " << *ms << " ms for " << played << " ms of pictures";
        const auto sound = datagen::audio::read_wav(wav);
        const double peak = datagen::audio::peak(sound), lufs = datagen::audio::loudness(sound);
        EXPECT_LE(peak, datagen::audio::kCeiling + 0.01) << "clips";
        EXPECT_NEAR(lufs, datagen::audio::target_lufs(datagen::audio::Level::Music), 1.5)
            << "not as loud as the other clips";
    }
}

TEST_F(DressClips, TheTreeCheckKnowsThem)
{
    int scripts = 0, sounds = 0;
    for (const auto& e : expect_) {
        scripts += e.kind == datagen::Expect::Kind::Clip;
        sounds += e.kind == datagen::Expect::Kind::Wave;
    }
    EXPECT_EQ(scripts, 5);
    EXPECT_EQ(sounds, 5);
    for (const auto& problem : datagen::check_tree(root_, expect_))
        ADD_FAILURE() << problem;
}

// The check catches a script whose video is missing or of another size, the
// faults a renamed or re-sized clip would bring.
TEST_F(DressClips, TheTreeCheckCatchesABrokenClip)
{
    const fs::path broken = root_.string() + "_broken";
    fs::remove_all(broken);
    fs::copy(root_, broken, fs::copy_options::recursive);
    const fs::path dir = broken / "BAFO_CS" / "KREJCI";
    struct Case {
        const char* what;
        const char* file;
        std::string text;  // empty: the file is removed
    };
    const Case cases[] = {
        {"video missing", "PTAK.AVI", ""},
        {"box of another size", "MYSI.DAT", "BAFO_CS\\KREJCI\\MYSI\r\n120\r\n90\r\n480\r\n360\r\n0\r\n0x100\r\n1x100\r\n"},
        {"frame past the video", "KRYSA.DAT", "BAFO_CS\\KREJCI\\KRYSA\r\n120\r\n90\r\n400\r\n300\r\n0\r\n0x100\r\n255x100\r\n"},
        {"sound missing", "STOJKA.WAV", ""},
    };
    for (const auto& c : cases) {
        fs::copy(root_ / "BAFO_CS" / "KREJCI", dir, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        if (c.text.empty())
            fs::remove(dir / c.file);
        else
            datagen::write_file(dir / c.file, c.text);
        const auto problems = datagen::check_tree(broken, expect_);
        EXPECT_EQ(problems.size(), 1u) << c.what;
        if (!problems.empty()) {
            EXPECT_NE(problems[0].find(c.file), std::string::npos) << c.what << ": " << problems[0];
        }
    }
    fs::remove_all(broken);
}

}  // namespace
