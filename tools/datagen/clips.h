// Bafo's celebration clips: what each one draws and plays, which of its
// frames show for how long, and how a clip becomes the AVI, WAV and clip
// script the game plays after a solved picture.
#pragma once

#include "art.h"
#include "audio.h"

#include <filesystem>
#include <functional>
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

// The clip script as the game reads it (CRLF lines).
std::string script_text(const Clip& c);

// Encodes the clip's frames (c.frames of c.w x c.h, painted by `paint`) into
// one "Microsoft Video 1" AVI, every frame a keyframe.
void write_avi(const std::filesystem::path& path, const Clip& c, const Painter& paint);

// Writes NAME.AVI, NAME.WAV and NAME.DAT of one clip under root.
void write_clip(const std::filesystem::path& root, const Clip& c);

// The win sequence beside picture `picture` (1..10) of set `set` (1..6).
std::string sequence_text(int set, int picture);

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

}  // namespace datagen::clips
