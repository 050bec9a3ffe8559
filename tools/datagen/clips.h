// Bafo's celebration clips: what each one draws and plays, which of its
// frames show for how long, and how a clip becomes the AVI, WAV and clip
// script the game plays after a solved picture.
#pragma once

#include "art.h"
#include "audio.h"

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace datagen::clips {

// Where the clips live, as the tree writes it and as the scripts name it.
inline constexpr const char* kDir = "BAFO_CS/KLIPY/";
inline constexpr const char* kScriptDir = "BAFO_CS\\KLIPY\\";

// The picture area a clip plays over; its box must stay inside.
inline constexpr int kAreaW = 640, kAreaH = 480;

struct Entry {
    int frame;
    int ms;
};

// Paints one distinct frame of the video on an opaque canvas of the clip's size.
using Painter = std::function<void(art::Canvas& c, int frame)>;

struct Clip {
    std::string name;  // file name without extension, 8 characters at most
    std::string folder = "KLIPY";  // under BAFO_CS, where its files lie
    int left = 0, top = 0, w = kAreaW, h = kAreaH;
    int keep = 0;
    int frames = 0;  // distinct frames in the video
    // Builds the scenery once and hands back the frame painter.
    std::function<Painter()> prepare;
    // The frames as they play, in order. The player shows the first entry
    // only for an instant, so the script repeats it in front of these.
    std::vector<Entry> plays;
    std::function<audio::Sound(double seconds)> sound;
    audio::Level level = audio::Level::Music;
};

// How long the clip plays: the sum of its entries' durations.
int play_ms(const Clip& c);

// Every clip, in a fixed order.
std::vector<Clip> all_clips();

// Where the clip's files lie in the tree ("BAFO_CS/KLIPY/") and how its
// script names them ("BAFO_CS\\KLIPY\\").
std::string tree_dir(const Clip& c);
std::string script_dir(const Clip& c);

// The clip script as the game reads it (CRLF lines).
std::string script_text(const Clip& c);

// Encodes the clip's frames (c.frames of c.w x c.h, painted by `paint`) into
// one "Microsoft Video 1" AVI, every frame a keyframe.
void write_avi(const std::filesystem::path& path, const Clip& c, const Painter& paint);

// Writes NAME.AVI, NAME.WAV and NAME.DAT of one clip under root.
void write_clip(const std::filesystem::path& root, const Clip& c);

// The win sequence beside picture `picture` (1..10) of set `set` (1..6).
std::string sequence_text(int set, int picture);

// Pieces the scenes share (clips_scenes.cpp).

// 0 at 0, 1 at 1, easing in and out; clamped outside.
double smooth(double t);
// When each play of `frame` starts, in seconds from the start of the clip.
std::vector<double> starts_of(const std::vector<Entry>& plays, int frame);
void add(std::vector<Entry>& plays, std::initializer_list<int> frames, int ms);
void add_run(std::vector<Entry>& plays, int from, int to, int ms);
// The scenery of a clip, painted once and shared by all its frames.
std::shared_ptr<art::Canvas> scenery(int w, int h, const std::function<void(art::Canvas&)>& paint);
// A soft shadow on the floor, centred on (x, y).
void ground_shadow(cairo_t* cr, double x, double y, double rx, double alpha = 0.22);
// A five-pointed star with an outline and a shine, as on the stickers.
void star(cairo_t* cr, double x, double y, double r, uint32_t colour, double turn = 0, bool shadow = true);
// A four-pointed twinkle, no outline: light rather than a thing.
void twinkle(cairo_t* cr, double x, double y, double r, uint32_t colour, double alpha = 1);
// Bafo squashed or stretched about his feet (stretch < 1 squashes, the width
// growing to keep his bulk) and leaning by `lean` radians.
void bafo(cairo_t* cr, const art::Bafo& b, const art::BafoPose& p, double stretch = 1, double lean = 0);
art::BafoPose arms(double left, double right);

// The scenes, one maker each (clips_scenes.cpp).
Clip clip_cheer();
Clip clip_jump();
Clip clip_wave();
Clip clip_somersault();
Clip clip_confetti();
Clip clip_dance();
Clip clip_clap();
Clip clip_stars();

// Their sounds (clips_sounds.cpp), each about `seconds` long, not yet normalised.
audio::Sound sound_cheer(double seconds);
audio::Sound sound_jump(double seconds, const std::vector<double>& takeoffs, const std::vector<double>& landings);
audio::Sound sound_wave(double seconds);
audio::Sound sound_somersault(double seconds, double takeoff, double landing);
audio::Sound sound_confetti(double seconds);
audio::Sound sound_dance(double seconds, double beat);
audio::Sound sound_clap(double seconds, const std::vector<double>& claps);
audio::Sound sound_stars(double seconds);

// The five funny clips of the dress-up screen (dress_clips.cpp), played at
// (80, 31) of the screen like the celebrations.
inline constexpr const char* kDressFolder = "KREJCI";
std::vector<Clip> dress_clips();

// Their sounds (clips_sounds.cpp): mono, each `seconds` long plus a short
// ring, not yet normalised; the times are the moments the pictures need
// a sound for, in seconds from the start of the clip.
audio::Sound sound_handstand(double seconds, double tip, const std::vector<double>& wobbles, double flip,
                             double landing);
audio::Sound sound_drawer(double seconds, const std::vector<double>& rattles, double opening, double pop,
                          double throw_at, double landing, double laugh);
audio::Sound sound_bird(double seconds, const std::vector<double>& flaps, const std::vector<double>& songs,
                        double landing);
audio::Sound sound_mice(double seconds, double run_from, double run_to, const std::vector<double>& squeaks,
                        double hello);
audio::Sound sound_rat(double seconds, double peek, double jump, double hat, const std::vector<double>& catches,
                       double giggle);

}  // namespace datagen::clips
