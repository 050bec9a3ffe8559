// The music studio's data checked the way the studio uses it: keys and
// instruments painted where their areas are, lit pictures that cover the
// normal ones and meet the background, dances that start and end on the
// background inside their box, and rhythm loops that repeat without a seam.
#include "check.h"
#include "datagen.h"
#include "studio.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace datagen_test;
namespace studio = datagen::studio;
namespace art = datagen::art;

void generate(const fs::path& root)
{
    for (auto& g : datagen::all_generators())
        if (g.name == "studio" || g.name == "dances" || g.name == "rhythms")
            g.run(root);
}

std::vector<datagen::Expect> expectations()
{
    std::vector<datagen::Expect> out;
    for (auto& g : datagen::all_generators())
        if (g.name == "studio" || g.name == "dances" || g.name == "rhythms")
            g.expect(out);
    return out;
}

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

// Every frame of a clip as the player sees it: rgb555 widened to eight bits.
std::vector<Image> decode(const fs::path& avi, int w, int h)
{
    const std::string raw = run("ffmpeg -v error -i '" + avi.string() + "' -f rawvideo -pix_fmt rgb555le -");
    const size_t size = size_t(w) * size_t(h) * 2;
    auto wide = [](uint32_t v) { return (v << 3) | (v >> 2); };
    std::vector<Image> frames;
    for (size_t at = 0; at + size <= raw.size(); at += size) {
        Image img;
        img.w = w;
        img.h = h;
        for (size_t i = 0; i < size; i += 2) {
            const uint32_t v = uint8_t(raw[at + i]) | uint32_t(uint8_t(raw[at + i + 1])) << 8;
            img.px.push_back(wide((v >> 10) & 31) << 16 | wide((v >> 5) & 31) << 8 | wide(v & 31));
        }
        frames.push_back(std::move(img));
    }
    return frames;
}

int keyframes(const fs::path& avi, int* packets)
{
    const std::string out = run("ffprobe -v error -select_streams v:0 -show_entries packet=flags -of csv=p=0 '" +
                                avi.string() + "'");
    int k = 0, n = 0;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) {
            ++n;
            k += line.find('K') != std::string::npos;
        }
    *packets = n;
    return k;
}

Image crop(const Image& img, const Rect& r)
{
    Image out;
    out.w = r.w;
    out.h = r.h;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x)
            out.px.push_back(img.at(x, y));
    return out;
}

Image of(const art::Canvas& c)
{
    Image img;
    img.w = c.w();
    img.h = c.h();
    img.px = c.pixels();
    return img;
}

const fs::path kMusic = "BAFO_CS/MUSIC";
const Rect kBox = {studio::kBoxX, studio::kBoxY, studio::kBoxW, studio::kBoxH};

struct Instrument {
    const char* tag;
    Rect hot;
    int lit_x, lit_y;
};

const Instrument kInstruments[] = {
    {"N_KLAVI", {5, 15, 66, 46}, 0, 0},      {"N_TRUMP", {5, 95, 66, 51}, 0, 86},
    {"N_KYTAR", {5, 185, 66, 86}, 0, 173},   {"N_BUBEN", {5, 315, 61, 56}, 0, 302},
    {"N_BASA", {5, 400, 66, 116}, 0, 389},   {"N_SAXOF", {730, 10, 66, 81}, 722, 0},
    {"N_HOUSL", {735, 120, 56, 91}, 722, 108}, {"N_XYLOF", {730, 245, 66, 86}, 722, 230},
    {"N_FLETN", {725, 355, 71, 46}, 722, 347}, {"N_DUDY", {725, 440, 71, 66}, 722, 426},
};

class StudioArt : public TreeSuite<generate> {
protected:
    static fs::path tree() { return *root_; }
    static Image bg() { return load_bmp(*root_ / kMusic / "BG.BMP"); }
};

TEST_F(StudioArt, EveryFileIsThereWithItsSizeAndLength)
{
    const auto all = expectations();
    std::map<datagen::Expect::Kind, int> kinds;
    for (const auto& e : all)
        kinds[e.kind] += 1;
    EXPECT_EQ(kinds[datagen::Expect::Kind::Bitmap], 1 + 10 + 6) << "background, lit instruments, recorder buttons";
    EXPECT_EQ(kinds[datagen::Expect::Kind::Clip], 24) << "dances";
    EXPECT_EQ(kinds[datagen::Expect::Kind::Wave], 9) << "rhythms";
    for (const auto& problem : datagen::check_tree(tree(), all))
        ADD_FAILURE() << problem;
    for (const char* name : {"BOOGIE", "COUNTRY", "DISCO", "POLKA", "REGGAE", "ROCK", "TECHNO", "UMCACA", "VALCIK"})
        EXPECT_TRUE(fs::exists(tree() / kMusic / "RYTMY" / (std::string(name) + ".WAV"))) << name;
}

TEST_F(StudioArt, KeysArePaintedExactlyAtTheirAreas)
{
    const Image img = bg();
    ASSERT_EQ(img.w, 800);
    struct Key {
        Rect hot;
        bool black;
    } keys[] = {
        {{85, 530, 75, 71}, false},  {{165, 530, 75, 71}, false}, {{245, 530, 75, 71}, false},
        {{320, 530, 75, 71}, false}, {{400, 530, 75, 71}, false}, {{480, 530, 75, 71}, false},
        {{560, 530, 75, 71}, false}, {{640, 530, 75, 71}, false}, {{135, 530, 55, 36}, true},
        {{220, 530, 45, 36}, true},  {{370, 530, 50, 36}, true},  {{455, 530, 50, 36}, true},
        {{535, 530, 50, 36}, true},
    };
    for (const auto& k : keys) {
        const Rect r = on_screen(k.hot);
        if (k.black) {
            // Dark across the whole key, inside its outline.
            for (int x = r.x + 3; x < r.x + r.w - 3; x += 4)
                EXPECT_LT(luminance(img.at(x, r.y + r.h / 2)), 90) << "black key " << str(k.hot) << " at x " << x;
            EXPECT_GT(luminance(img.at(r.x + 4, r.y + r.h + 6)), 180) << "below black key " << str(k.hot);
        } else {
            // Light from edge to edge below the black keys, and its top row starts at the area's top.
            for (int x = r.x + 3; x < r.x + r.w - 3; x += 4)
                EXPECT_GT(luminance(img.at(x, 590)), 180) << "white key " << str(k.hot) << " at x " << x;
            EXPECT_GT(luminance(img.at(r.x + r.w / 2 + (r.x == 85 ? -20 : 0), r.y + 2)), 150)
                << "top of white key " << str(k.hot);
            EXPECT_LT(luminance(img.at(r.x + r.w / 2, r.y - 3)), 120) << "above white key " << str(k.hot);
        }
    }
    // Between keys with a gap the key bed shows; E and F meet at an outline.
    for (int x : {162, 242, 320, 397, 477, 557, 637})
        EXPECT_LT(luminance(img.at(x, 590)), 90) << "no edge between white keys at x " << x;
}

TEST_F(StudioArt, LitInstrumentsCoverTheirPlacesAndMeetTheBackground)
{
    const Image img = bg();
    std::vector<Rect> lit;
    for (const auto& in : kInstruments) {
        const Image pic = load_bmp(tree() / kMusic / (std::string(in.tag) + ".BMP"));
        ASSERT_GT(pic.w, 0) << in.tag;
        const Rect place{in.lit_x, in.lit_y, pic.w, pic.h};
        lit.push_back(place);
        EXPECT_TRUE(contains(Rect{0, 0, 800, 600}, place)) << in.tag << " at " << str(place);
        EXPECT_TRUE(contains(place, in.hot)) << in.tag << " " << str(place) << " does not cover its area " << str(in.hot);
        EXPECT_EQ(edge_seam(pic, img, in.lit_x, in.lit_y), "") << in.tag;
        EXPECT_GT(differing_pixels(pic, img, in.lit_x, in.lit_y, &in.hot), in.hot.w * in.hot.h / 3)
            << in.tag << " looks like the normal instrument";
    }
    // No lit picture reaches into its neighbour's place on the same shelf, nor
    // into the stage, the keys or the corner icons.
    for (size_t a = 0; a < lit.size(); ++a) {
        for (size_t b = a + 1; b < lit.size(); ++b) {
            const bool apart = lit[a].y + lit[a].h <= lit[b].y || lit[b].y + lit[b].h <= lit[a].y ||
                               lit[a].x + lit[a].w <= lit[b].x || lit[b].x + lit[b].w <= lit[a].x;
            EXPECT_TRUE(apart) << kInstruments[a].tag << " and " << kInstruments[b].tag << " overlap";
        }
        EXPECT_TRUE(lit[a].x + lit[a].w <= 85 || lit[a].x >= 715) << kInstruments[a].tag << " reaches the stage";
        EXPECT_LE(lit[a].y + lit[a].h, 530) << kInstruments[a].tag << " reaches the keyboard row";
    }
}

TEST_F(StudioArt, RecorderButtonsNormalIsTheBackgroundLitCoversIt)
{
    const Image img = bg();
    struct Button {
        const char* name;
        int x;
        Rect hot;
    } buttons[] = {{"RECORD", 137, {140, 5, 51, 36}}, {"PLAY", 202, {205, 5, 51, 36}}, {"STOP", 267, {270, 5, 51, 36}}};
    for (const auto& b : buttons) {
        const Image normal = load_bmp(tree() / kMusic / (std::string(b.name) + ".BMP"));
        const Image lit = load_bmp(tree() / kMusic / (std::string(b.name) + "1.BMP"));
        ASSERT_GT(normal.w, 0) << b.name;
        ASSERT_EQ(normal.w, lit.w) << b.name;
        ASSERT_EQ(normal.h, lit.h) << b.name;
        EXPECT_TRUE(contains(Rect{b.x, 0, normal.w, normal.h}, b.hot)) << b.name << " does not cover " << str(b.hot);
        EXPECT_EQ(differing_pixels(normal, img, b.x, 0), 0) << b.name << ".BMP must restore the background";
        EXPECT_EQ(edge_seam(lit, img, b.x, 0), "") << b.name << "1.BMP";
        EXPECT_GT(differing_pixels(lit, img, b.x, 0, &b.hot), 400) << b.name << "1.BMP is not lit";
    }
    // Record and play lie side by side without overlapping.
    const Image rec = load_bmp(tree() / kMusic / "RECORD.BMP");
    EXPECT_LE(137 + rec.w, 202);
}

struct Script {
    std::string clip;
    int header[5] = {};
    std::vector<std::pair<int, int>> entries;
};

Script parse(const std::string& text)
{
    Script s;
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    if (lines.size() < 6)
        return s;
    s.clip = lines[0];
    for (int i = 0; i < 5; ++i)
        s.header[i] = std::stoi(lines[size_t(i) + 1]);
    for (size_t i = 6; i < lines.size(); ++i) {
        const size_t x = lines[i].find('x');
        if (x != std::string::npos)
            s.entries.push_back({std::stoi(lines[i].substr(0, x)), std::stoi(lines[i].substr(x + 1))});
    }
    return s;
}

TEST_F(StudioArt, DancesStartAndEndOnTheBackgroundInsideTheirBox)
{
    const Image screen = bg();
    const Image under = crop(screen, kBox);
    const fs::path dir = tree() / kMusic / "TANCE";
    for (int n = 1; n <= studio::kDances; ++n) {
        const std::string name = "BAFO" + std::to_string(n);
        const Script s = parse(slurp(dir / (name + ".DAT")));
        EXPECT_EQ(s.clip, "BAFO_CS\\MUSIC\\TANCE\\" + name) << name;
        EXPECT_EQ(std::vector<int>(s.header, s.header + 4), (std::vector<int>{kBox.x, kBox.y, kBox.w, kBox.h})) << name;
        EXPECT_FALSE(fs::exists(dir / (name + ".WAV"))) << name << ": the studio plays no clip sound";
        ASSERT_GE(s.entries.size(), 3u) << name;
        EXPECT_LE(s.entries.size(), 100u) << name;
        // The first entry shows for 50 ms, every later one for its own time.
        int played = 50;
        for (size_t i = 1; i < s.entries.size(); ++i)
            played += s.entries[i].second;
        EXPECT_TRUE(played >= 2000 && played <= 6000) << name << " dances " << played << " ms";
        EXPECT_EQ(s.entries.front().first, 0) << name << " starts away from the background's pose";
        EXPECT_EQ(s.entries.back().first, 0) << name << " ends away from the background's pose";

        const fs::path avi = dir / (name + ".AVI");
        EXPECT_EQ(run("ffprobe -v error -select_streams v:0 -show_entries stream=codec_name -of csv=p=0 '" +
                      avi.string() + "'"),
                  "msvideo1\n")
            << name;
        const auto frames = decode(avi, kBox.w, kBox.h);
        ASSERT_GE(frames.size(), 3u) << name;
        int packets = 0;
        EXPECT_EQ(keyframes(avi, &packets), int(frames.size())) << name << ": frames are fetched by number";
        EXPECT_EQ(packets, int(frames.size())) << name;
        std::vector<bool> used(frames.size(), false);
        for (const auto& [f, ms] : s.entries) {
            ASSERT_TRUE(f >= 0 && size_t(f) < frames.size()) << name << " shows frame " << f;
            used[size_t(f)] = true;
        }
        EXPECT_TRUE(std::all_of(used.begin(), used.end(), [](bool u) { return u; })) << name << " has unused drawings";
        EXPECT_EQ(differing_pixels(frames[0], under, 0, 0), 0)
            << name << ": its first frame differs from the background under the box";
        for (size_t f = 1; f < frames.size(); ++f)
            EXPECT_GT(differing_pixels(frames[f], frames[0], 0, 0), 1500) << name << " frame " << f << " barely moves";
    }
}

TEST_F(StudioArt, EveryDanceHasItsOwnMovesAndStaysInItsBox)
{
    const art::Canvas empty = studio::paint_empty_studio().crop(kBox.x, kBox.y, kBox.w, kBox.h);
    const Image blank = of(empty);
    const auto dances = studio::all_dances();
    ASSERT_EQ(dances.size(), size_t(studio::kDances));
    std::map<std::vector<uint32_t>, std::string> seen;
    for (size_t d = 0; d < dances.size(); ++d) {
        for (int f = 0; f < dances[d].frames; ++f) {
            art::Canvas c(kBox.w, kBox.h);
            studio::paint_dance_frame(c, empty, int(d), f);
            const Image img = of(c);
            // Nothing of him may be cut off at the box's edge.
            EXPECT_EQ(edge_seam(img, blank, 0, 0), "") << dances[d].name << " drawing " << f << " touches the box's edge";
            if (f == 0)
                continue;
            const std::string who = dances[d].name + " drawing " + std::to_string(f);
            const auto [it, fresh] = seen.emplace(img.px, who);
            EXPECT_TRUE(fresh) << who << " is the same as " << it->second;
        }
    }
}

TEST_F(StudioArt, TheCheckFollowsAScriptToItsVideo)
{
    const fs::path root = tree() / "check";
    fs::create_directories(root / "BAFO_CS/MUSIC/TANCE");
    fs::copy_file(tree() / kMusic / "TANCE/BAFO1.AVI", root / "BAFO_CS/MUSIC/TANCE/BAFO1.AVI",
                  fs::copy_options::overwrite_existing);
    const std::string header = "BAFO_CS\\MUSIC\\TANCE\\BAFO1\r\n264\r\n196\r\n272\r\n312\r\n0\r\n";
    struct Case {
        const char* what;
        std::string text;
        const char* problem;  // a part of the message; empty: none
    } cases[] = {
        {"a good script", header + "0x50\r\n1x100\r\n0x100\r\n", ""},
        {"another box", "BAFO_CS\\MUSIC\\TANCE\\BAFO1\r\n264\r\n196\r\n276\r\n312\r\n0\r\n0x50\r\n1x100\r\n",
         "names a box of 276x312"},
        {"an entry without x", header + "0x50\r\n1y100\r\n", "is not an entry"},
        {"a frame past the video", header + "0x50\r\n9x100\r\n", "shows frame 9"},
        {"no video", "BAFO_CS\\MUSIC\\TANCE\\BAFO99\r\n264\r\n196\r\n272\r\n312\r\n0\r\n0x50\r\n1x100\r\n",
         "BAFO99.AVI is missing"},
        {"a cut header", "BAFO_CS\\MUSIC\\TANCE\\BAFO1\r\n264\r\n196\r\n", "clip script of 3 lines"},
    };
    for (const auto& c : cases) {
        datagen::write_file(root / "T.DAT", c.text);
        datagen::Expect e;
        e.path = "T.DAT";
        e.kind = datagen::Expect::Kind::Clip;
        e.width = 272;
        e.height = 312;
        const auto problems = datagen::check_tree(root, {e});
        if (std::string(c.problem).empty()) {
            EXPECT_TRUE(problems.empty()) << c.what << ": " << (problems.empty() ? "" : problems[0]);
        } else {
            ASSERT_EQ(problems.size(), 1u) << c.what;
            EXPECT_NE(problems[0].find(c.problem), std::string::npos) << c.what << ": " << problems[0];
        }
    }
}

// ------------------------------------------------------------------ rhythms

using datagen::audio::Sound;

// Loudness in 10 ms steps, for where the beats fall.
std::vector<double> envelope(const Sound& s)
{
    const Sound m = datagen::audio::to_mono(s);
    const size_t win = size_t(datagen::audio::kRate / 100);
    std::vector<double> env;
    for (size_t a = 0; a + win <= m.samples.size(); a += win) {
        double e = 0;
        for (size_t i = a; i < a + win; ++i)
            e += double(m.samples[i]) * m.samples[i];
        env.push_back(std::sqrt(e / double(win)));
    }
    // Onsets: only rises count.
    std::vector<double> rise(env.size(), 0.0);
    for (size_t i = 0; i < env.size(); ++i)
        rise[i] = std::max(0.0, env[i] - env[(i + env.size() - 1) % env.size()]);
    return rise;
}

// Circular autocorrelation at a lag in seconds (the loop repeats).
double autocorrelation(const std::vector<double>& x, double lag_s)
{
    const size_t n = x.size(), lag = size_t(std::lround(lag_s * 100)) % n;
    double mean = 0;
    for (double v : x)
        mean += v;
    mean /= double(n);
    double num = 0, den = 0;
    for (size_t i = 0; i < n; ++i) {
        num += (x[i] - mean) * (x[(i + lag) % n] - mean);
        den += (x[i] - mean) * (x[i] - mean);
    }
    return num / (den + 1e-30);
}

TEST_F(StudioArt, RhythmsLoopWithoutASeamAtTheirLengthAndLevel)
{
    for (const auto& r : studio::all_rhythms()) {
        int rate = 0;
        const Sound s = datagen::audio::read_wav(tree() / kMusic / "RYTMY" / r.file, &rate);
        const double exact = r.bars * r.beats_per_bar * 60.0 / r.bpm * rate;
        EXPECT_EQ(double(s.frames()), exact) << r.file << ": " << r.bars << " bars of " << r.beats_per_bar << " at "
                                             << r.bpm << " bpm";
        ASSERT_EQ(s.channels, 2) << r.file;
        ASSERT_GT(s.frames(), 100u) << r.file;
        // Played twice in a row, the step across the join is no bigger than
        // the steps inside the loop.
        for (int c = 0; c < 2; ++c) {
            auto at = [&](size_t i) { return double(s.samples[(i % s.frames()) * 2 + size_t(c)]); };
            double inside = 0;
            for (size_t i = 1; i < s.frames(); ++i)
                inside = std::max(inside, std::fabs(at(i) - at(i - 1)));
            const double join = std::fabs(at(s.frames()) - at(s.frames() - 1));
            EXPECT_LE(join, inside) << r.file << " channel " << c << " clicks where it repeats";
        }
        EXPECT_LE(datagen::audio::peak(s), datagen::audio::kCeiling + 1.0 / 32767) << r.file;
        EXPECT_NEAR(datagen::audio::loudness(s), datagen::audio::target_lufs(datagen::audio::Level::Music), 1.0)
            << r.file;
        // The beats come at the rhythm's tempo: the onsets repeat after one
        // beat far more than after an odd part of one.
        const auto env = envelope(s);
        const double beat = 60.0 / r.bpm;
        const double on = autocorrelation(env, beat), off = autocorrelation(env, beat * 0.37);
        EXPECT_GT(on, off + 0.1) << r.file << ": onsets repeat after a beat " << on << ", after 0.37 beat " << off;
    }
}

}  // namespace
