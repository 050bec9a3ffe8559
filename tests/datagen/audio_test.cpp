#include "audio.h"
#include "check.h"
#include "datagen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <unistd.h>

namespace datagen {
Generator gen_sounds();
Generator gen_voices();
}  // namespace datagen

using namespace datagen;
using namespace datagen::audio;

namespace {

std::string bytes_of(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

Sound sine(double freq, double amplitude, double seconds, int channels = 1)
{
    Sound s = tone(seconds, [freq](double) { return freq; });
    for (float& v : s.samples)
        v = float(v * amplitude);
    return channels == 2 ? to_stereo(s) : s;
}

// RMS of consecutive 20 ms frames of the mono mix.
std::vector<double> envelope(const Sound& s)
{
    Sound m = to_mono(s);
    const size_t win = to_frames(0.02);
    std::vector<double> env;
    for (size_t a = 0; a + win <= m.samples.size(); a += win) {
        double e = 0;
        for (size_t i = a; i < a + win; ++i)
            e += double(m.samples[i]) * m.samples[i];
        env.push_back(std::sqrt(e / double(win)));
    }
    return env;
}

double correlation(const std::vector<double>& a, const std::vector<double>& b)
{
    const size_t n = std::min(a.size(), b.size());
    double ma = 0, mb = 0;
    for (size_t i = 0; i < n; ++i) {
        ma += a[i];
        mb += b[i];
    }
    ma /= double(n);
    mb /= double(n);
    double ab = 0, aa = 0, bb = 0;
    for (size_t i = 0; i < n; ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return ab / std::sqrt(aa * bb + 1e-30);
}

// Pitch classes (C4..B7) of consecutive 46 ms frames, each frame scaled to
// unit length: what melody and harmony play when, whatever the instrument.
std::vector<double> chromagram(const Sound& s)
{
    Sound m = to_mono(s);
    const size_t win = 1024;
    std::vector<double> out;
    for (size_t a = 0; a + win <= m.samples.size(); a += win) {
        double chroma[12] = {};
        for (int k = 0; k < 48; ++k) {
            double w = 2 * std::numbers::pi * 261.6256 * std::pow(2.0, k / 12.0) / kRate, c = 2 * std::cos(w);
            double s1 = 0, s2 = 0;
            for (size_t i = 0; i < win; ++i) {
                double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(win));
                double s0 = m.samples[a + i] * hann + c * s1 - s2;
                s2 = s1;
                s1 = s0;
            }
            chroma[k % 12] += s1 * s1 + s2 * s2 - c * s1 * s2;
        }
        double norm = 0;
        for (double v : chroma)
            norm += v * v;
        norm = std::sqrt(norm);
        for (double v : chroma)
            out.push_back(norm > 1e-9 ? v / norm : 0.0);
    }
    return out;
}

// Median fundamental of the clearly periodic 40 ms frames; 0 when none are.
double median_pitch(const Sound& s)
{
    const auto& x = s.samples;
    const size_t win = to_frames(0.04), hop = to_frames(0.01);
    std::vector<double> found;
    for (size_t a = 0; a + win <= x.size(); a += hop) {
        double best = 0;
        size_t best_lag = 0;
        for (size_t lag = kRate / 500; lag <= kRate / 70; ++lag) {
            double r = 0, e1 = 0, e2 = 0;
            for (size_t i = a; i + lag < a + win; ++i) {
                r += double(x[i]) * x[i + lag];
                e1 += double(x[i]) * x[i];
                e2 += double(x[i + lag]) * x[i + lag];
            }
            double c = r / std::sqrt(e1 * e2 + 1e-12);
            if (c > best) {
                best = c;
                best_lag = lag;
            }
        }
        if (best > 0.8)
            found.push_back(double(kRate) / double(best_lag));
    }
    if (found.empty())
        return 0;
    std::nth_element(found.begin(), found.begin() + long(found.size() / 2), found.end());
    return found[found.size() / 2];
}

struct FileLevel {
    const char* path;
    Level level;
};

const FileLevel kFiles[] = {
    {"BAFO_CS/SELECT/MEL.WAV", Level::Music},         {"BAFO_CS/SELECT/FANF/CLICK.WAV", Level::Effect},
    {"BAFO_CS/SELECT/FANF/FANF1.WAV", Level::Music},  {"BAFO_CS/SELECT/FANF/FANF2.WAV", Level::Music},
    {"BAFO_CS/SELECT/FANF/FANF3.WAV", Level::Music},  {"BAFO_CS/SELECT/FANF/FANF4.WAV", Level::Music},
    {"BAFO_CS/SELECT/FANF/FANF5.WAV", Level::Music},  {"SVIST.WAV", Level::Effect},
    {"TUTUTU.WAV", Level::Effect},                    {"NOT_AVA.WAV", Level::Effect},
    {"BAFO_CS/REC/UVOD.WAV", Level::Voice},           {"BAFO_CS/REC/KONEC.WAV", Level::Voice},
    {"BAFO_CS/REC/15.WAV", Level::Voice},             {"BAFO_CS/REC/PEXESO.WAV", Level::Voice},
    {"BAFO_CS/REC/PUZZLE.WAV", Level::Voice},         {"BAFO_CS/REC/TETRIS.WAV", Level::Voice},
    {"BAFO_CS/REC/KOSTKY.WAV", Level::Voice},         {"BAFO_CS/REC/MOZAIKA.WAV", Level::Voice},
    {"BAFO_CS/REC/HUDBA/01.WAV", Level::Voice},
    {"BAFO_CS/REC/HUDBA/02A.WAV", Level::Voice},
    {"BAFO_CS/REC/HUDBA/03.WAV", Level::Voice},
    {"BAFO_CS/REC/HUDBA/04.WAV", Level::Voice},
    {"BAFO_CS/REC/HUDBA/05.WAV", Level::Voice},
    {"BAFO_CS/REC/HUDBA/06A.WAV", Level::Voice},
    {"BAFO_CS/REC/OMALKY/06A.WAV", Level::Voice},
    {"BAFO_CS/REC/OMALKY/01.WAV", Level::Voice},
    {"BAFO_CS/REC/OMALKY/02A.WAV", Level::Voice},
    {"BAFO_CS/REC/OMALKY/03A.WAV", Level::Voice},
    {"BAFO_CS/REC/OMALKY/04.WAV", Level::Voice},
    {"BAFO_CS/REC/OMALKY/05_2.WAV", Level::Voice},
    {"BAFO_CS/REC/OMALKY/07.WAV", Level::Voice},
    {"BAFO_CS/REC/OBLEKANI.WAV", Level::Voice},
};

// Both generators run twice, into two directories, once for the whole suite.
class GeneratedSounds : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        auto base = std::filesystem::temp_directory_path() / ("datagen-audio-" + std::to_string(getpid()));
        first_ = base / "a";
        second_ = base / "b";
        for (const auto& root : {first_, second_})
            for (auto& g : {gen_sounds(), gen_voices()})
                g.run(root);
        for (auto& g : {gen_sounds(), gen_voices()})
            g.expect(expect_);
    }
    static void TearDownTestSuite()
    {
        std::error_code ec;
        std::filesystem::remove_all(first_.parent_path(), ec);
    }
    static Sound load(const char* path)
    {
        int rate = 0;
        Sound s = read_wav(first_ / path, &rate);
        EXPECT_EQ(rate, kRate) << path;
        return s;
    }

    static inline std::filesystem::path first_, second_;
    static inline std::vector<Expect> expect_;
};

TEST_F(GeneratedSounds, EveryFileIsThereWithItsDuration)
{
    EXPECT_EQ(expect_.size(), std::size(kFiles));
    for (const auto& problem : check_tree(first_, expect_))
        ADD_FAILURE() << problem;
}

TEST_F(GeneratedSounds, LevelsAreAudibleUnclippedAndMatched)
{
    for (const auto& f : kFiles) {
        Sound s = load(f.path);
        double p = peak(s), l = loudness(s);
        EXPECT_GT(p, 0.1) << f.path << " is nearly silent";
        EXPECT_LE(p, kCeiling + 1.0 / 32767) << f.path << " peaks above the ceiling";
        EXPECT_NEAR(l, target_lufs(f.level), 1.0) << f.path << " has the wrong loudness";
    }
    EXPECT_GT(target_lufs(Level::Voice), target_lufs(Level::Music));
}

TEST_F(GeneratedSounds, TwoRunsAreByteIdentical)
{
    for (const auto& e : expect_) {
        std::string a = bytes_of(first_ / e.path), b = bytes_of(second_ / e.path);
        EXPECT_FALSE(a.empty()) << e.path;
        EXPECT_TRUE(a == b) << e.path << " differs between two runs";
    }
}

TEST_F(GeneratedSounds, FanfaresDifferFromEachOther)
{
    std::vector<std::vector<double>> notes;
    for (int i = 1; i <= 5; ++i)
        notes.push_back(chromagram(load(("BAFO_CS/SELECT/FANF/FANF" + std::to_string(i) + ".WAV").c_str())));
    for (size_t a = 0; a < notes.size(); ++a)
        for (size_t b = a + 1; b < notes.size(); ++b)
            EXPECT_LT(correlation(notes[a], notes[b]), 0.8) << "FANF" << a + 1 << " and FANF" << b + 1
                                                             << " play much the same notes";
}

TEST_F(GeneratedSounds, VoiceIsRaisedSpeechWithoutLongGaps)
{
    for (const char* path : {"BAFO_CS/REC/UVOD.WAV", "BAFO_CS/REC/KONEC.WAV"}) {
        Sound s = load(path);
        auto env = envelope(s);
        double top = *std::max_element(env.begin(), env.end());
        size_t active = 0, gap = 0, longest = 0;
        for (double e : env) {
            gap = e < top * 0.03 ? gap + 1 : 0;
            longest = std::max(longest, gap);
            active += e >= top * 0.03;
        }
        EXPECT_LE(longest * 20, 500u) << path << ": a gap of " << longest * 20 << " ms";
        EXPECT_GT(double(active) / double(env.size()), 0.6) << path << " is mostly silence";
        double f0 = median_pitch(s);
        EXPECT_GT(f0, 160) << path << ": the voice is not raised to the character's pitch";
        EXPECT_LT(f0, 320) << path << ": the voice is raised too far";
    }
}

TEST(Loudness, MatchesTheBroadcastScaleAndCountsMonoOnBothSpeakers)
{
    // A 997 Hz sine at full scale on both speakers reads about 0 LUFS.
    struct Case {
        double amplitude;
        int channels;
        double lufs;
    } cases[] = {{1.0, 2, 0.0}, {0.1, 2, -20.0}, {0.1, 1, -20.0}, {0.01, 1, -40.0}};
    for (const auto& c : cases)
        EXPECT_NEAR(loudness(sine(997, c.amplitude, 2.0, c.channels)), c.lufs, 0.2)
            << "amplitude " << c.amplitude << ", channels " << c.channels;
    EXPECT_FALSE(std::isfinite(loudness(silence(1.0))));
    // Short sounds are measured over their own length, not padded to 400 ms.
    EXPECT_NEAR(loudness(sine(997, 0.1, 0.05)), -20.0, 0.5);
}

TEST(Normalise, ReachesTheTargetWithoutPassingTheCeiling)
{
    // Plucks: a sharp attack every quarter second, peaks far above the average.
    Sound plucks = sine(330, 0.9, 1.0);
    shape(plucks, [](double t) { return attack_decay(std::fmod(t, 0.25), 0.001, 0.02); });
    Sound burst = noise(0.3, 7);
    shape(burst, [](double t) { return attack_decay(t, 0.001, 0.05); });
    struct Case {
        const char* name;
        Sound sound;
        Level level;
    } cases[] = {
        {"quiet sine", sine(440, 0.001, 1.0), Level::Music},
        {"loud stereo sine", sine(440, 0.99, 1.0, 2), Level::Music},
        {"low hum", sine(60, 0.2, 1.0), Level::Effect},
        {"noise burst", burst, Level::Effect},
        {"plucks", plucks, Level::Voice},
    };
    for (auto& c : cases) {
        normalise(c.sound, c.level);
        EXPECT_LE(peak(c.sound), kCeiling) << c.name;
        EXPECT_NEAR(loudness(c.sound), target_lufs(c.level), 0.5) << c.name;
    }
    Sound quiet = silence(0.5);
    normalise(quiet, Level::Music);
    EXPECT_EQ(peak(quiet), 0.0);
}

TEST(Notation, ReadsNamesDurationsChordsAndRests)
{
    struct Name {
        const char* name;
        int key;
    } names[] = {{"C4", 60}, {"A4", 69}, {"F#5", 78}, {"Bb3", 58}, {"c-1", 0}, {"G9", 127}, {"Cb4", 59}};
    for (const auto& n : names)
        EXPECT_EQ(key_of(n.name), n.key) << n.name;
    for (const char* bad : {"", "H4", "C", "C#", "G#9", "C4x", "4"})
        EXPECT_THROW(key_of(bad), std::runtime_error) << "'" << bad << "'";

    Score s;
    double end = add_line(s, 3, 56, 1.0, 90, "C4:0.5 r E4+G4:1/3  A4", 1.0);
    EXPECT_DOUBLE_EQ(end, 1.0 + 0.5 + 0.5 + 1.0 / 3 + 1.0 / 3);
    struct Want {
        int key;
        double start, length;
    } want[] = {{60, 1.0, 0.5}, {64, 2.0, 1.0 / 3}, {67, 2.0, 1.0 / 3}, {69, 2.0 + 1.0 / 3, 1.0 / 3}};
    ASSERT_EQ(s.notes.size(), std::size(want));
    for (size_t i = 0; i < s.notes.size(); ++i) {
        EXPECT_EQ(s.notes[i].key, want[i].key) << "note " << i;
        EXPECT_DOUBLE_EQ(s.notes[i].start, want[i].start) << "note " << i;
        EXPECT_DOUBLE_EQ(s.notes[i].length, want[i].length) << "note " << i;
        EXPECT_EQ(s.notes[i].channel, 3);
        EXPECT_EQ(s.notes[i].program, 56);
        EXPECT_EQ(s.notes[i].velocity, 90);
    }
    for (const char* bad : {"C4:0", "C4:-1", "C4:1/0", "C4:x", "C4+"})
        EXPECT_THROW(add_line(s, 1, 0, 0, 90, bad), std::runtime_error) << bad;
}

TEST(Render, PlacesNotesInTimeAndRepeatsExactly)
{
    Score s;
    s.bpm = 120;
    s.tail = 0.5;
    s.stereo = false;
    s.notes.push_back(Note{1, 0, 60, 100, 2.0, 1.0});  // piano at 1.0 s for 0.5 s
    s.notes.push_back(Note{kDrums, 0, 38, 100, 3.0, 0.25});
    Sound a = render(s), b = render(s);
    EXPECT_EQ(a.channels, 1);
    EXPECT_EQ(a.frames(), to_frames(1.625 + 0.5));  // the drum ends last
    EXPECT_TRUE(a.samples == b.samples) << "two renders of one score differ";
    // Silent before the note, sounding within a few milliseconds of it.
    size_t first = 0;
    while (first < a.samples.size() && std::fabs(a.samples[first]) < 1e-4f)
        ++first;
    EXPECT_NEAR(double(first) / kRate, 1.0, 0.006);
}

TEST(Render, LoopEndFlowsIntoItsStart)
{
    Score s;
    s.bpm = 120;
    s.tail = 2.0;
    s.stereo = false;
    // A long string chord late in the bar rings on past the loop's end.
    add_line(s, 1, 48, 3.0, 100, "C4+E4+G4:1", 1.0);
    Sound loop = render_loop(s, 4);
    ASSERT_EQ(loop.frames(), to_frames(2.0));
    double jump_inside = 0;
    for (size_t i = 1; i < loop.samples.size(); ++i)
        jump_inside = std::max(jump_inside, double(std::fabs(loop.samples[i] - loop.samples[i - 1])));
    double seam = std::fabs(loop.samples.front() - loop.samples.back());
    EXPECT_LE(seam, jump_inside) << "the loop clicks where it repeats";
    EXPECT_GT(std::fabs(loop.samples[10]), 1e-4) << "the ringing chord was not folded over the start";
}

}  // namespace
