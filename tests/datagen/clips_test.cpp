// The celebration clips checked the way the game uses them: a script names a
// video and sound and the frames to show, the video must decode at the
// script's size with every frame reachable, and the win sequence beside each
// picture names scripts that exist.
#include "check.h"
#include "clips.h"
#include "datagen.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using datagen::clips::Entry;

namespace {

using namespace datagen_test;

// Output of a command line (no user input reaches it: paths are our own temp dirs).
std::string run(const std::string& cmd)
{
    std::string out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buf[65536];
        for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
            out.append(buf, n);
        pclose(p);
    }
    return out;
}

// Fields separated by commas or line breaks, quoted or bare, as the player reads
// the sequence files and the script headers. A line break right after a field
// ends it without starting an empty one.
std::vector<std::string> fields(const std::string& text)
{
    std::vector<std::string> out;
    std::string cur;
    bool quoted = false, any = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (c == '\r') {
            continue;
        } else if (!quoted && (c == ',' || c == '\n')) {
            if (any || c == ',' || !cur.empty())
                out.push_back(cur);
            cur.clear();
            any = false;
        } else {
            cur += c;
            any = true;
        }
    }
    if (any)
        out.push_back(cur);
    return out;
}

struct Script {
    std::string clip;
    int left = 0, top = 0, w = 0, h = 0, keep = 0;
    std::vector<Entry> entries;
    std::string error;
};

// Six header lines, then one "FxD" entry per line.
Script parse_script(const std::string& text)
{
    Script s;
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    if (lines.size() < 6) {
        s.error = "header has " + std::to_string(lines.size()) + " lines";
        return s;
    }
    s.clip = lines[0];
    int* header[] = {&s.left, &s.top, &s.w, &s.h, &s.keep};
    for (int i = 0; i < 5; ++i)
        try {
            *header[i] = std::stoi(lines[size_t(i) + 1]);
        } catch (...) {
            s.error = "header field " + std::to_string(i + 2) + " is not a number: " + lines[size_t(i) + 1];
            return s;
        }
    for (size_t i = 6; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const size_t x = lines[i].find('x');
        try {
            if (x == std::string::npos)
                throw 0;
            s.entries.push_back({std::stoi(lines[i].substr(0, x)), std::stoi(lines[i].substr(x + 1))});
        } catch (...) {
            s.error = "line " + std::to_string(i + 1) + " is not an entry: " + lines[i];
            return s;
        }
    }
    return s;
}

struct Video {
    std::string codec;
    int w = 0, h = 0, frames = 0, keyframes = 0, packets = 0;
};

Video probe(const fs::path& avi)
{
    Video v;
    const std::string out = run("ffprobe -v error -select_streams v:0 -show_entries stream=codec_name,width,height,nb_frames "
                                "-show_entries packet=flags -of default=nw=1 '" + avi.string() + "'");
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string k = line.substr(0, eq), val = line.substr(eq + 1);
        if (k == "codec_name")
            v.codec = val;
        else if (k == "width")
            v.w = std::stoi(val);
        else if (k == "height")
            v.h = std::stoi(val);
        else if (k == "nb_frames")
            v.frames = std::stoi(val);
        else if (k == "flags") {
            ++v.packets;
            v.keyframes += val.find('K') != std::string::npos;
        }
    }
    return v;
}

// Every frame decoded to 24-bit pixels.
std::vector<std::string> decode(const fs::path& avi, int w, int h)
{
    const std::string raw = run("ffmpeg -v error -i '" + avi.string() + "' -f rawvideo -pix_fmt rgb24 -");
    const size_t size = size_t(w) * size_t(h) * 3;
    std::vector<std::string> frames;
    for (size_t at = 0; size && at + size <= raw.size(); at += size)
        frames.push_back(raw.substr(at, size));
    return frames;
}

fs::path in_tree(const fs::path& root, const std::string& backslashed)
{
    std::string p = backslashed;
    std::replace(p.begin(), p.end(), '\\', '/');
    return root / p;
}

class Clips : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = fs::temp_directory_path() / ("bafo_clips_test_" + std::to_string(getpid()));
        fs::remove_all(root_);
        for (auto& g : datagen::all_generators())
            if (g.name == "clips") {
                g.run(root_ / "a");
                g.expect(expect_);
            }
    }
    static void TearDownTestSuite() { fs::remove_all(root_); }

    static fs::path tree() { return root_ / "a"; }
    static std::vector<fs::path> scripts()
    {
        std::vector<fs::path> out;
        for (const auto& e : fs::directory_iterator(tree() / datagen::clips::kDir))
            if (e.path().extension() == ".DAT")
                out.push_back(e.path());
        std::sort(out.begin(), out.end());
        return out;
    }

    static inline fs::path root_;
    static inline std::vector<datagen::Expect> expect_;
};

TEST_F(Clips, ScriptsFitTheirVideosAndThePictureArea)
{
    const auto all = scripts();
    ASSERT_GE(all.size(), 8u) << "too few clips to vary the celebrations";
    int full = 0, small = 0;
    for (const auto& path : all) {
        const std::string name = path.filename().string();
        const Script s = parse_script(slurp(path));
        ASSERT_EQ(s.error, "") << name;
        EXPECT_EQ(s.clip, std::string(datagen::clips::kScriptDir) + path.stem().string())
            << name << ": the clip name must be the script's own path without extension";
        EXPECT_TRUE(s.left >= 0 && s.top >= 0 && s.left + s.w <= 640 && s.top + s.h <= 480)
            << name << ": box " << s.w << "x" << s.h << " at (" << s.left << ", " << s.top << ") leaves the picture area";
        EXPECT_TRUE(s.w > 0 && s.h > 0 && s.w % 4 == 0 && s.h % 4 == 0) << name << ": " << s.w << "x" << s.h;
        EXPECT_TRUE(s.keep == 0 || s.keep == 1) << name << ": keep " << s.keep;
        (s.w == 640 && s.h == 480 ? full : small) += 1;

        const Video v = probe(in_tree(tree(), s.clip + ".AVI"));
        EXPECT_EQ(v.codec, "msvideo1") << name;
        EXPECT_EQ(v.w, s.w) << name;
        EXPECT_EQ(v.h, s.h) << name;
        EXPECT_TRUE(v.frames >= 1 && v.frames <= 255) << name << ": " << v.frames << " frames";
        EXPECT_EQ(v.keyframes, v.frames) << name << ": frames are fetched by number, each must be a keyframe";
        EXPECT_EQ(v.packets, v.frames) << name;
        EXPECT_TRUE(fs::exists(in_tree(tree(), s.clip + ".WAV"))) << name << ": no sound";

        ASSERT_GE(s.entries.size(), 2u) << name;
        EXPECT_LE(s.entries.size(), 100u) << name;
        int played = 0;
        for (size_t i = 0; i < s.entries.size(); ++i) {
            const Entry& e = s.entries[i];
            EXPECT_TRUE(e.frame >= 0 && e.frame < v.frames && e.frame <= 255)
                << name << " entry " << i + 1 << ": frame " << e.frame << " of " << v.frames;
            EXPECT_TRUE(e.ms > 0 && e.ms <= 65535) << name << " entry " << i + 1 << ": " << e.ms << " ms";
            if (i > 0)
                played += e.ms;  // the first entry is replaced at once
        }
        EXPECT_EQ(s.entries[0].frame, s.entries[1].frame)
            << name << ": the first entry only flashes, so it must show what the second holds";
        EXPECT_TRUE(played >= 2000 && played <= 4000) << name << ": plays " << played << " ms";
        for (const auto& e : expect_) {
            if (e.path == datagen::clips::kDir + path.stem().string() + ".WAV") {
                EXPECT_TRUE(e.min_ms <= played && played <= e.max_ms)
                    << name << ": sound bounds " << e.min_ms << ".." << e.max_ms << " miss the clip's " << played << " ms";
            }
        }
    }
    EXPECT_GT(full, 0) << "no clip fills the picture area";
    EXPECT_GT(small, 0) << "no smaller clip";
}

TEST_F(Clips, SoundsLastAboutAsLongAsTheirClips)
{
    EXPECT_EQ(expect_.size(), scripts().size());
    for (const auto& problem : datagen::check_tree(tree(), expect_))
        ADD_FAILURE() << problem;
}

TEST_F(Clips, VideosMoveAndAreNotBlank)
{
    for (const auto& path : scripts()) {
        const Script s = parse_script(slurp(path));
        const Video v = probe(in_tree(tree(), s.clip + ".AVI"));
        const auto frames = decode(in_tree(tree(), s.clip + ".AVI"), s.w, s.h);
        ASSERT_EQ(int(frames.size()), v.frames) << path.filename();
        const std::set<std::string> distinct(frames.begin(), frames.end());
        EXPECT_GE(distinct.size() * 4, frames.size() * 3)
            << path.filename() << ": only " << distinct.size() << " different pictures in " << frames.size() << " frames";
        std::set<uint32_t> colours;
        const std::string& f = frames.front();
        for (size_t i = 0; i + 2 < f.size(); i += 3)
            colours.insert(uint32_t(uint8_t(f[i])) << 16 | uint32_t(uint8_t(f[i + 1])) << 8 | uint8_t(f[i + 2]));
        EXPECT_GT(colours.size(), 300u) << path.filename() << ": the first frame looks flat";
    }
}

TEST_F(Clips, EveryPictureHasAWinSequenceOfExistingScripts)
{
    std::set<std::string> used;
    int two = 0, skipped_third = 0, longer = 0;
    for (int set = 1; set <= 6; ++set)
        for (int pic = 1; pic <= 10; ++pic) {
            const fs::path p = tree() / "BAFO_CS" / "ANIM" / std::to_string(set) / ("POZADI" + std::to_string(pic) + ".DAT");
            const std::string where = p.parent_path().filename().string() + "/" + p.filename().string();
            ASSERT_TRUE(fs::exists(p)) << where;
            const auto f = fields(slurp(p));
            ASSERT_TRUE(f.size() >= 2 && f.size() <= 4) << where << " has " << f.size() << " fields";
            EXPECT_FALSE(f[0].empty() || f[1].empty()) << where << ": fields 1 and 2 must be present";
            std::set<std::string> here;
            for (size_t i = 0; i < f.size(); ++i) {
                if (f[i].empty())
                    continue;
                EXPECT_NE(f[i][0], '\\') << where << " field " << i + 1 << ": " << f[i];
                EXPECT_TRUE(fs::is_regular_file(in_tree(tree(), f[i]))) << where << " field " << i + 1 << ": " << f[i];
                EXPECT_TRUE(here.insert(f[i]).second) << where << " plays " << f[i] << " twice";
                used.insert(f[i]);
            }
            two += f.size() == 2;
            skipped_third += f.size() == 4 && f[2].empty() && !f[3].empty();
            longer += here.size() >= 3;
        }
    EXPECT_GT(two, 0) << "no sequence of just two clips";
    EXPECT_GT(skipped_third, 0) << "no sequence with an empty third field";
    EXPECT_GT(longer, 0) << "no sequence of three or four clips";
    EXPECT_EQ(used.size(), scripts().size()) << "some clip is never played after a win";
}

TEST_F(Clips, TwoRunsWriteTheSameBytes)
{
    const auto clip = datagen::clips::clip_wave();
    datagen::clips::write_clip(root_ / "b", clip);
    for (const char* ext : {".AVI", ".WAV", ".DAT"}) {
        const std::string rel = datagen::clips::kDir + clip.name + ext;
        const std::string a = slurp(tree() / rel), b = slurp(root_ / "b" / rel);
        EXPECT_FALSE(a.empty()) << rel;
        EXPECT_TRUE(a == b) << rel << " differs between two runs";
    }
}

// The clips draw Bafo through the posed variant; with the pose taken from a
// Bafo it must be exactly the Bafo of every other picture.
TEST(PosedBafo, PlainPoseDrawsTheSameBafo)
{
    using namespace datagen::art;
    struct Case {
        const char* what;
        Bafo b;
    };
    auto make = [](double scale, Arm l, Arm r, double wave, Mouth m, Eyes e, double look, double tail, bool lines,
                   bool shadow) {
        Bafo b;
        b.x = 200;
        b.y = 330;
        b.scale = scale;
        b.left = l;
        b.right = r;
        b.wave = wave;
        b.mouth = m;
        b.eyes = e;
        b.look = look;
        b.tail = tail;
        b.motion_lines = lines;
        b.ground_shadow = shadow;
        return b;
    };
    const Case cases[] = {
        {"standing, arms down", make(1.0, Arm::Down, Arm::Down, 0, Mouth::Closed, Eyes::Open, 0, 0, true, true)},
        {"menu wave", make(0.79, Arm::Wave, Arm::Down, 0.2, Mouth::Half, Eyes::Open, 0, 0.3, true, true)},
        {"cheering, small", make(0.5, Arm::Up, Arm::Up, 0, Mouth::Open, Eyes::Happy, 0, -0.6, true, false)},
        {"hip and wave, large", make(1.15, Arm::Hip, Arm::Wave, -0.7, Mouth::Round, Eyes::Closed, -1, 1, false, true)},
        {"tiny, looking right", make(0.35, Arm::Wave, Arm::Hip, 0.9, Mouth::Open, Eyes::Open, 1, 0.5, true, true)},
    };
    for (const auto& c : cases) {
        Canvas plain(400, 400), posed(400, 400);
        draw_bafo(plain.cr(), c.b);
        draw_bafo_posed(posed.cr(), c.b, pose_of(c.b));
        const auto a = plain.pixels(), b = posed.pixels();
        const auto diff = std::mismatch(a.begin(), a.end(), b.begin());
        if (diff.first != a.end()) {
            const size_t i = size_t(diff.first - a.begin());
            char msg[96];
            std::snprintf(msg, sizeof msg, "first difference at (%zu, %zu): %06X instead of %06X", i % 400, i / 400,
                          *diff.second, *diff.first);
            ADD_FAILURE() << c.what << ": " << msg;
        }
    }
}

}  // namespace
