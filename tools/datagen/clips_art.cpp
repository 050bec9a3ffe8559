// The celebration clips and the win sequences beside every game picture.
// Frames are drawn with cairo and handed to ffmpeg, whose "Microsoft Video 1"
// encoder is the one the game's player needs; every frame is a keyframe, so
// a script may show them in any order.
#include "clips.h"
#include "datagen.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <numeric>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace datagen::clips {

namespace {

namespace fs = std::filesystem;

// The player decodes to 15-bit colour anyway; rounding here (rather than
// letting the scaler dither) keeps flat areas flat, which the codec's 4x4
// blocks store cleanly.
void append_rgb555(std::string& out, art::Canvas& c)
{
    const uint32_t* d = c.data();
    const int stride = c.stride_words();
    auto q = [](uint32_t v) { return (v * 31 + 127) / 255; };
    for (int y = 0; y < c.h(); ++y)
        for (int x = 0; x < c.w(); ++x) {
            const uint32_t p = d[size_t(y) * size_t(stride) + size_t(x)];
            const uint32_t v = q((p >> 16) & 0xFF) << 10 | q((p >> 8) & 0xFF) << 5 | q(p & 0xFF);
            out.push_back(char(v & 0xFF));
            out.push_back(char(v >> 8));
        }
}

const char* const kCrlf = "\r\n";

}  // namespace

void write_avi(const std::filesystem::path& path, const Clip& c, const Painter& paint)
{
    if (c.frames < 1 || c.frames > 255 || c.w % 4 || c.h % 4)
        throw std::runtime_error(c.name + ": " + std::to_string(c.frames) + " frames of " +
                                 std::to_string(c.w) + "x" + std::to_string(c.h));
    ScratchDir tmp;
    std::string raw;
    raw.reserve(size_t(c.w) * size_t(c.h) * 2 * size_t(c.frames));
    for (int f = 0; f < c.frames; ++f) {
        art::Canvas canvas(c.w, c.h);
        paint(canvas, f);
        append_rgb555(raw, canvas);
    }
    write_file(tmp.path() / "frames.raw", raw);
    const fs::path avi = tmp.path() / "clip.avi";
    const std::string size = std::to_string(c.w) + "x" + std::to_string(c.h);
    run_program({"ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-y",
         "-f", "rawvideo", "-pixel_format", "rgb555le", "-video_size", size, "-framerate", "10",
         "-i", (tmp.path() / "frames.raw").string(),
         // keyint_min 0: the encoder then makes every frame a keyframe.
         "-c:v", "msvideo1", "-keyint_min", "0", "-g", "1",
         // No encoder version or other run-dependent bytes in the file.
         "-fflags", "+bitexact", "-flags:v", "+bitexact", "-map_metadata", "-1",
         "-f", "avi", avi.string()},
        tmp.path() / "ffmpeg.log", "ffmpeg");
    write_file(path, read_file(avi));
}

int play_ms(const Clip& c)
{
    return std::accumulate(c.plays.begin(), c.plays.end(), 0, [](int t, const Entry& e) { return t + e.ms; });
}

std::string tree_dir(const Clip& c) { return "BAFO_CS/" + c.folder + "/"; }
std::string script_dir(const Clip& c) { return "BAFO_CS\\" + c.folder + "\\"; }

std::string script_text(const Clip& c)
{
    std::string s;
    s += script_dir(c) + c.name + kCrlf;
    for (int v : {c.left, c.top, c.w, c.h, c.keep})
        s += std::to_string(v) + kCrlf;
    auto entry = [&](const Entry& e) { s += std::to_string(e.frame) + "x" + std::to_string(e.ms) + kCrlf; };
    if (!c.plays.empty())
        entry(c.plays.front());  // shown only for an instant, before the clip's own timing starts
    for (const auto& e : c.plays)
        entry(e);
    return s;
}

void write_clip(const fs::path& root, const Clip& c)
{
    const fs::path base = root / tree_dir(c);
    write_avi(base / (c.name + ".AVI"), c, c.prepare());
    audio::Sound s = c.sound(play_ms(c) / 1000.0);
    audio::normalise(s, c.level);
    audio::write(base / (c.name + ".WAV"), s);
    write_file(base / (c.name + ".DAT"), script_text(c));
}

std::vector<Clip> all_clips()
{
    return {clip_cheer(), clip_jump(), clip_wave(), clip_somersault(),
            clip_confetti(), clip_dance(), clip_clap(), clip_stars()};
}

// Two to four clips after each picture, picked and written differently from
// picture to picture: some on separate lines, some on one line, some with
// an empty third field the player skips.
std::string sequence_text(int set, int picture)
{
    std::vector<std::string> names;
    for (const auto& c : all_clips())
        names.push_back(c.name);
    const int k = (set - 1) * 10 + (picture - 1);
    art::Rng rng(0xC11B5000u + uint64_t(k) * 7919u);
    for (size_t i = names.size() - 1; i > 0; --i)
        std::swap(names[i], names[size_t(rng.below(int(i) + 1))]);
    auto field = [&](size_t i) { return std::string(kScriptDir) + names[i] + ".DAT"; };
    switch (k % 4) {
    case 0:
        return field(0) + kCrlf + field(1) + kCrlf;
    case 1:
        if ((k / 4) % 2)
            return field(0) + "," + field(1) + "," + field(2) + kCrlf;
        return field(0) + kCrlf + field(1) + kCrlf + field(2) + kCrlf;
    case 2:
        if ((k / 4) % 2)
            return field(0) + kCrlf + field(1) + kCrlf + field(2) + kCrlf + field(3) + kCrlf;
        return field(0) + "," + field(1) + "," + field(2) + "," + field(3) + kCrlf;
    default:
        return "\"" + field(0) + "\",\"" + field(1) + "\",\"\",\"" + field(2) + "\"" + kCrlf;
    }
}

namespace {

void run_all(const fs::path& root)
{
    for (const auto& c : all_clips())
        write_clip(root, c);
    for (int set = 1; set <= 6; ++set)
        for (int pic = 1; pic <= 10; ++pic)
            write_file(root / "BAFO_CS" / "ANIM" / std::to_string(set) / ("POZADI" + std::to_string(pic) + ".DAT"),
                       sequence_text(set, pic));
}

// Only the sounds fit the check's kinds; the clip tests look at the rest.
void expect_all(std::vector<Expect>& out)
{
    for (const auto& c : all_clips()) {
        Expect e;
        e.path = std::string(kDir) + c.name + ".WAV";
        e.kind = Expect::Kind::Wave;
        e.min_ms = play_ms(c) - 100;
        e.max_ms = play_ms(c) + 700;
        out.push_back(e);
    }
}

}  // namespace

}  // namespace datagen::clips

namespace datagen {

Generator gen_clips() { return Generator{"clips", clips::run_all, clips::expect_all}; }

static const Registered registered{gen_clips};

}  // namespace datagen
